#include "records/WebAddress.h"

#include <QByteArray>
#include <QStringView>
#include <optional>

#include "records/ShortcutError.h"

namespace tundle {

namespace {

const QString invalidMessage = QStringLiteral("请输入有效的网址。");
const QString schemeMessage = QStringLiteral("仅支持 http 或 https 网页地址。");
const QString exampleMessage =
    QStringLiteral("请输入 http 或 https 网页地址，例如 https://example.com。");

struct Components {
    QString scheme;
    std::optional<QString> authority;
    QString rest;
};

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c) {
    return isAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Characters RFC 3986 allows outside the scheme (brackets only around an IP literal), and the
// visible non-ASCII characters of internationalised addresses; invisible controls and
// direction overrides could disguise where an address leads.
bool isAddressCharacter(QChar c) {
    if (c.unicode() >= 0x80) {
        return c.category() != QChar::Other_Control && c.category() != QChar::Other_Format;
    }
    return isAsciiLetter(c) || isAsciiDigit(c) ||
           QStringLiteral("-._~!$&'()*+,;=:@/?%").contains(c);
}

bool isWellFormed(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isAddressCharacter(text[i])) {
            return false;
        }
        if (text[i] == u'%' &&
            (i + 2 >= text.size() || !isHexDigit(text[i + 1]) || !isHexDigit(text[i + 2]))) {
            return false;
        }
    }
    return true;
}

bool isScheme(const QString& scheme) {
    if (scheme.isEmpty() || !isAsciiLetter(scheme[0])) {
        return false;
    }
    for (const QChar c : scheme) {
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != u'+' && c != u'-' && c != u'.') {
            return false;
        }
    }
    return true;
}

qsizetype indexOfAny(const QString& text, QStringView delimiters, qsizetype from = 0) {
    for (qsizetype i = from; i < text.size(); ++i) {
        if (delimiters.contains(text[i])) {
            return i;
        }
    }
    return -1;
}

// The first-level split of RFC 3986, appendix B.
Components split(const QString& text) {
    Components parts;
    QString rest = text;
    const qsizetype delimiter = indexOfAny(text, u":/?#");
    if (delimiter > 0 && text[delimiter] == u':') {
        parts.scheme = text.left(delimiter);
        rest = text.mid(delimiter + 1);
    }
    if (rest.startsWith(QStringLiteral("//"))) {
        const qsizetype end = indexOfAny(rest, u"/?#", 2);
        parts.authority = rest.mid(2, end < 0 ? -1 : end - 2);
        rest = end < 0 ? QString() : rest.mid(end);
    }
    parts.rest = rest;
    return parts;
}

// Accepts an authority without user information whose host is not empty and whose port, if
// any, is decimal.
bool isServerAuthority(const QString& authority) {
    if (authority.contains(u'@')) {
        return false;
    }
    QString host = authority;
    QString port;
    if (authority.startsWith(u'[')) {
        const qsizetype close = authority.indexOf(u']');
        if (close < 0) {
            return false;
        }
        host = authority.left(close + 1);
        const QString after = authority.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(u':')) {
            return false;
        }
        port = after.mid(1);
        if (!isWellFormed(host.mid(1, host.size() - 2))) {
            return false;
        }
    } else {
        const qsizetype colon = authority.indexOf(u':');
        if (colon >= 0) {
            host = authority.left(colon);
            port = authority.mid(colon + 1);
        }
        if (!isWellFormed(host) || host.contains(u':')) {
            return false;
        }
    }
    for (const QChar c : port) {
        if (!isAsciiDigit(c)) {
            return false;
        }
    }
    // A host spelled with an encoded slash would name a path once decoded.
    return !host.isEmpty() && !QByteArray::fromPercentEncoding(host.toUtf8()).contains('/');
}

bool isWebAddress(const QString& candidate) {
    const Components parts = split(candidate);
    const QString scheme = parts.scheme.toLower();
    if (!isScheme(parts.scheme) || (scheme != u"http" && scheme != u"https")) {
        return false;
    }
    if (!parts.authority || !isServerAuthority(*parts.authority)) {
        return false;
    }
    const qsizetype fragment = parts.rest.indexOf(u'#');
    const QString beforeFragment = parts.rest.left(fragment);
    return isWellFormed(beforeFragment) &&
           (fragment < 0 || isWellFormed(parts.rest.mid(fragment + 1)));
}

}  // namespace

QString WebAddress::fromTyped(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        throw ShortcutError(invalidMessage);
    }
    for (const QChar c : text) {
        if (c.isSpace()) {
            throw ShortcutError(invalidMessage);
        }
    }
    const QString lower = text.toLower();
    if (text.contains(u'\\') || lower.startsWith(QStringLiteral("http//")) ||
        lower.startsWith(QStringLiteral("https//"))) {
        throw ShortcutError(invalidMessage);
    }
    QString candidate = text;
    if (!text.contains(QStringLiteral("://"))) {
        if (text.contains(u':') || text.startsWith(u'/')) {
            throw ShortcutError(schemeMessage);
        }
        candidate = QStringLiteral("https://") + text;
    }
    if (!isWebAddress(candidate)) {
        throw ShortcutError(exampleMessage);
    }
    return candidate;
}

}  // namespace tundle
