#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonValue>

namespace tundle {

// Writes JSON the way our files are read by people and by other tools: keys of every object
// in byte order, "/" escaped as "\/", other characters as raw UTF-8, and numbers that
// do not depend on the locale.
class JsonWriter {
public:
    // One member per line, two-space indentation.
    static QByteArray pretty(const QJsonValue& value);
    // No white space at all.
    static QByteArray compact(const QJsonValue& value);
};

// An array of records that write themselves with `toJson()`, in their order.
template <typename Records>
QJsonArray toJsonArray(const Records& records) {
    QJsonArray array;
    for (const auto& record : records) {
        array.append(record.toJson());
    }
    return array;
}

}  // namespace tundle
