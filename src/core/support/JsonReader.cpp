#include "support/JsonReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <limits>

#include "support/IsoDate.h"
#include "support/Uuid.h"

namespace tundle {

namespace {

QJsonDocument parseDocument(const QByteArray& document) {
    QJsonParseError error{};
    QJsonDocument parsed = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError) {
        throw JsonError(QStringLiteral("数据不是有效的 JSON（第 %1 字节）：%2")
                            .arg(error.offset)
                            .arg(error.errorString()));
    }
    return parsed;
}

}  // namespace

JsonValue::JsonValue(QJsonValue value, QString path)
    : value_(std::move(value)), path_(std::move(path)) {}

JsonError JsonValue::wrongType(const char* expected) const {
    return JsonError(
        QStringLiteral("数据中“%1”的类型不正确，应为%2。").arg(path_, QString::fromUtf8(expected)));
}

JsonError JsonValue::invalidValue(const QString& raw) const {
    return JsonError(QStringLiteral("数据中“%1”的取值“%2”无效。").arg(path_, raw));
}

qint64 JsonValue::toInteger() const {
    if (!value_.isDouble()) {
        throw wrongType("整数");
    }
    // toInteger hands back the fallback only when the number is not an exact 64-bit integer.
    const qint64 low = value_.toInteger(0);
    const qint64 high = value_.toInteger(1);
    if (low != high) {
        throw wrongType("整数");
    }
    return low;
}

int JsonValue::toInt() const {
    const qint64 value = toInteger();
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        throw JsonError(QStringLiteral("数据中“%1”的数值超出范围。").arg(path_));
    }
    return static_cast<int>(value);
}

double JsonValue::toDouble() const {
    if (!value_.isDouble()) {
        throw wrongType("数字");
    }
    return value_.toDouble();
}

bool JsonValue::toBool() const {
    if (!value_.isBool()) {
        throw wrongType("布尔值");
    }
    return value_.toBool();
}

QString JsonValue::toString() const {
    if (!value_.isString()) {
        throw wrongType("字符串");
    }
    return value_.toString();
}

QUuid JsonValue::toUuid() const {
    if (auto id = parseUuid(toString())) {
        return *id;
    }
    throw wrongType("UUID");
}

QByteArray JsonValue::toBase64Data() const {
    const QByteArray text = toString().toLatin1();
    // Standard Base64 with padding: the padded length is always a multiple of four.
    if (text.size() % 4 != 0 || toString().size() != text.size()) {
        throw wrongType("Base64 数据");
    }
    auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        throw wrongType("Base64 数据");
    }
    return *decoded;
}

QDateTime JsonValue::toIsoDate() const {
    if (auto date = IsoDate::parse(toString())) {
        return *date;
    }
    throw wrongType("日期时间");
}

JsonValue JsonValue::parseArray(const QByteArray& document) {
    const QJsonDocument parsed = parseDocument(document);
    if (!parsed.isArray()) {
        throw JsonError(QStringLiteral("数据的最外层不是 JSON 数组。"));
    }
    return JsonValue(parsed.array(), QString());
}

JsonObject JsonValue::toObject() const {
    if (!value_.isObject()) {
        throw wrongType("对象");
    }
    return JsonObject(value_.toObject(), path_);
}

QJsonArray JsonValue::arrayValue() const {
    if (!value_.isArray()) {
        throw wrongType("数组");
    }
    return value_.toArray();
}

QString JsonValue::elementPath(qsizetype index) const {
    return QStringLiteral("%1[%2]").arg(path_).arg(index);
}

JsonObject::JsonObject(QJsonObject object, QString path)
    : object_(std::move(object)), path_(std::move(path)) {}

JsonObject JsonObject::parse(const QByteArray& document) {
    const QJsonDocument parsed = parseDocument(document);
    if (!parsed.isObject()) {
        throw JsonError(QStringLiteral("数据的最外层不是 JSON 对象。"));
    }
    return JsonObject(parsed.object(), QString());
}

QString JsonObject::childPath(const QString& key) const {
    return path_.isEmpty() ? key : path_ + u'.' + key;
}

JsonValue JsonObject::required(const QString& key) const {
    const auto found = object_.constFind(key);
    if (found == object_.constEnd()) {
        throw JsonError(QStringLiteral("数据缺少必需的“%1”。").arg(childPath(key)));
    }
    if (found->isNull()) {
        throw JsonError(QStringLiteral("数据中“%1”不能为空。").arg(childPath(key)));
    }
    return JsonValue(*found, childPath(key));
}

std::optional<JsonValue> JsonObject::optional(const QString& key) const {
    const auto found = object_.constFind(key);
    if (found == object_.constEnd() || found->isNull()) {
        return std::nullopt;
    }
    return JsonValue(*found, childPath(key));
}

}  // namespace tundle
