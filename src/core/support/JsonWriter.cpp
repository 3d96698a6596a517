#include "support/JsonWriter.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QVariant>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace tundle {

namespace {

void writeString(QByteArray& out, const QString& text) {
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '/':
                out += "\\/";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out += hex[byte >> 4];
                    out += hex[byte & 0xF];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void writeNumber(QByteArray& out, const QJsonValue& value) {
    char buffer[32];
    std::to_chars_result result{};
    if (value.toVariant().typeId() == QMetaType::LongLong) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value.toInteger());
    } else {
        const double number = value.toDouble();
        // JSON has no NaN or infinity; validation keeps them out of stored values.
        result = std::isfinite(number) ? std::to_chars(buffer, buffer + sizeof buffer, number)
                                       : std::to_chars(buffer, buffer + sizeof buffer, 0);
    }
    out.append(buffer, result.ptr - buffer);
}

class Writer {
public:
    explicit Writer(bool pretty) : pretty_(pretty) {}

    void write(const QJsonValue& value, int depth) {
        switch (value.type()) {
            case QJsonValue::Null:
            case QJsonValue::Undefined:
                out_ += "null";
                break;
            case QJsonValue::Bool:
                out_ += value.toBool() ? "true" : "false";
                break;
            case QJsonValue::Double:
                writeNumber(out_, value);
                break;
            case QJsonValue::String:
                writeString(out_, value.toString());
                break;
            case QJsonValue::Array:
                writeArray(value.toArray(), depth);
                break;
            case QJsonValue::Object:
                writeObject(value.toObject(), depth);
                break;
        }
    }

    QByteArray take() { return std::move(out_); }

private:
    void newline(int depth) {
        if (pretty_) {
            out_ += '\n';
            out_.append(QByteArray(depth * 2, ' '));
        }
    }

    void writeArray(const QJsonArray& array, int depth) {
        if (array.isEmpty()) {
            out_ += "[]";
            return;
        }
        out_ += '[';
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (i > 0)
                out_ += ',';
            newline(depth + 1);
            write(array.at(i), depth + 1);
        }
        newline(depth);
        out_ += ']';
    }

    void writeObject(const QJsonObject& object, int depth) {
        if (object.isEmpty()) {
            out_ += "{}";
            return;
        }
        std::vector<std::pair<QByteArray, QString>> keys;
        for (const QString& key : object.keys()) {
            keys.emplace_back(key.toUtf8(), key);
        }
        std::sort(keys.begin(), keys.end());
        out_ += '{';
        bool first = true;
        for (const auto& [bytes, key] : keys) {
            if (!first)
                out_ += ',';
            first = false;
            newline(depth + 1);
            writeString(out_, key);
            out_ += pretty_ ? " : " : ":";
            write(object.value(key), depth + 1);
        }
        newline(depth);
        out_ += '}';
    }

    bool pretty_;
    QByteArray out_;
};

QByteArray render(const QJsonValue& value, bool pretty) {
    Writer writer(pretty);
    writer.write(value, 0);
    return writer.take();
}

}  // namespace

QByteArray JsonWriter::pretty(const QJsonValue& value) {
    return render(value, true);
}

QByteArray JsonWriter::compact(const QJsonValue& value) {
    return render(value, false);
}

}  // namespace tundle
