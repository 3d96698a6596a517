#include "content/ContentNames.h"

namespace tundle {

namespace {

bool isAlphanumeric(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

}  // namespace

bool isSafeName(const QString& name) {
    if (name.isEmpty() || name.size() > 100 || !isAlphanumeric(name.front())) {
        return false;
    }
    for (const QChar c : name) {
        if (!isAlphanumeric(c) && c != u'_' && c != u'.' && c != u'-') {
            return false;
        }
    }
    return true;
}

bool isHashText(const QString& text) {
    if (text.size() != 64) {
        return false;
    }
    for (const QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'))) {
            return false;
        }
    }
    return true;
}

std::optional<QByteArray> decodeStrictBase64(const QString& text) {
    if (text.size() % 4 != 0) {
        return std::nullopt;
    }
    qsizetype padding = 0;
    for (const QChar c : text) {
        if (c == u'=') {
            ++padding;
            continue;
        }
        if (padding > 0 || !(isAlphanumeric(c) || c == u'+' || c == u'/')) {
            return std::nullopt;
        }
    }
    if (padding > 2) {
        return std::nullopt;
    }
    auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        return std::nullopt;
    }
    return *decoded;
}

}  // namespace tundle
