#include "update/UpdateKeys.h"

#include <QUrl>
#include <charconv>

#include "content/ContentNames.h"

namespace tundle {

std::optional<QString> UpdateKeys::feedURL(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    if (!text.startsWith(QLatin1String("https:")) || !url.isValid() || url.host().isEmpty()) {
        return std::nullopt;
    }
    return text;
}

std::optional<QByteArray> UpdateKeys::publicEDKey(const QString& text) {
    std::optional<QByteArray> key = decodeStrictBase64(text);
    if (!key || key->size() != 32) {
        return std::nullopt;
    }
    return key;
}

qint64 UpdateKeys::clientBuild(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    // from_chars takes a minus sign but not a plus sign.
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-') {
        ++first;
    }
    qint64 value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last ? value : 0;
}

}  // namespace tundle
