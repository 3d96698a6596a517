#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

#include "support/EnumText.h"
#include "support/UserFacingError.h"

namespace tundle {

// A document that is not what a reader expects; the message names the key.
class JsonError : public UserFacingError {
public:
    using UserFacingError::UserFacingError;
};

class JsonObject;

// One JSON value together with where it was found, so every failure can name its key.
class JsonValue {
public:
    JsonValue(QJsonValue value, QString path);

    // The top-level array of a UTF-8 document.
    static JsonValue parseArray(const QByteArray& document);

    const QString& path() const { return path_; }

    int toInt() const;
    qint64 toInteger() const;
    double toDouble() const;
    bool toBool() const;
    QString toString() const;
    QUuid toUuid() const;
    QByteArray toBase64Data() const;
    // An internet date-time string (see IsoDate), as UTC.
    QDateTime toIsoDate() const;
    JsonObject toObject() const;

    template <typename E, std::size_t N>
    E toEnum(const EnumText<E, N>& text) const {
        const QString raw = toString();
        if (auto value = text.parse(raw)) {
            return *value;
        }
        throw invalidValue(raw);
    }

    // Reads every element with `read`, keeping the array's order.
    template <typename Read>
    auto toArray(Read read) const -> std::vector<std::invoke_result_t<Read, const JsonValue&>> {
        std::vector<std::invoke_result_t<Read, const JsonValue&>> result;
        const QJsonArray array = arrayValue();
        result.reserve(static_cast<std::size_t>(array.size()));
        for (qsizetype i = 0; i < array.size(); ++i) {
            result.push_back(std::invoke(read, JsonValue(array.at(i), elementPath(i))));
        }
        return result;
    }

    // A record that reads itself with `T::fromJson`.
    template <typename T>
    T toRecord() const;

    template <typename T>
    std::vector<T> toRecords() const {
        return toArray(&JsonValue::toRecord<T>);
    }

private:
    QJsonArray arrayValue() const;
    QString elementPath(qsizetype index) const;
    JsonError wrongType(const char* expected) const;
    JsonError invalidValue(const QString& raw) const;

    QJsonValue value_;
    QString path_;
};

// A JSON object read strictly: required keys must be present and not null, optional keys
// read missing and null alike as absent, unknown keys are ignored.
class JsonObject {
public:
    JsonObject(QJsonObject object, QString path);

    // The top-level object of a UTF-8 document.
    static JsonObject parse(const QByteArray& document);

    JsonValue required(const QString& key) const;
    std::optional<JsonValue> optional(const QString& key) const;

    template <typename Read>
    auto optional(const QString& key, Read read) const
        -> std::optional<std::invoke_result_t<Read, const JsonValue&>> {
        if (auto value = optional(key)) {
            return std::invoke(read, *value);
        }
        return std::nullopt;
    }

    QStringList keys() const { return object_.keys(); }
    const QString& path() const { return path_; }

private:
    QString childPath(const QString& key) const;

    QJsonObject object_;
    QString path_;
};

template <typename T>
T JsonValue::toRecord() const {
    return T::fromJson(toObject());
}

}  // namespace tundle
