#include "update/Appcast.h"

#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>
#include <charconv>

#include "content/ContentNames.h"
#include "support/UserFacingError.h"

namespace tundle {

namespace {

const QString sparkle = QStringLiteral("http://www.andymatuschak.org/xml-namespaces/sparkle");

// Longer part lists are padded with zeros, so "1.0" equals "1".
int compare(std::vector<qint64> left, std::vector<qint64> right) {
    const size_t size = std::max(left.size(), right.size());
    left.resize(size, 0);
    right.resize(size, 0);
    return left < right ? -1 : (left == right ? 0 : 1);
}

// Reads one <item>; the enclosure's attributes win over the item's own elements.
std::optional<AppcastItem> readItem(QXmlStreamReader& reader) {
    AppcastItem item;
    QString lengthText;
    QString signatureText;
    while (reader.readNextStartElement()) {
        if (reader.namespaceUri() == sparkle && reader.name() == u"version") {
            item.version = reader.readElementText().trimmed();
        } else if (reader.namespaceUri() == sparkle && reader.name() == u"shortVersionString") {
            item.shortVersion = reader.readElementText().trimmed();
        } else if (reader.namespaceUri().isEmpty() && reader.name() == u"enclosure") {
            const QXmlStreamAttributes attributes = reader.attributes();
            item.url = attributes.value(QLatin1String("url")).toString();
            lengthText = attributes.value(QLatin1String("length")).toString();
            signatureText = attributes.value(sparkle, QLatin1String("edSignature")).toString();
            if (attributes.hasAttribute(sparkle, QLatin1String("version"))) {
                item.version = attributes.value(sparkle, QLatin1String("version")).toString();
            }
            if (attributes.hasAttribute(sparkle, QLatin1String("shortVersionString"))) {
                item.shortVersion =
                    attributes.value(sparkle, QLatin1String("shortVersionString")).toString();
            }
            reader.skipCurrentElement();
        } else {
            reader.skipCurrentElement();
        }
    }
    bool lengthOK = false;
    item.length = lengthText.toLongLong(&lengthOK);
    const std::optional<QByteArray> signature = decodeStrictBase64(signatureText);
    if (!lengthOK || item.length <= 0 || item.url.isEmpty() || !signature ||
        signature->size() != 64 || !Appcast::versionParts(item.version)) {
        return std::nullopt;
    }
    item.signature = *signature;
    if (item.shortVersion.isEmpty()) {
        item.shortVersion = item.version;
    }
    return item;
}

}  // namespace

std::optional<std::vector<qint64>> Appcast::versionParts(const QString& text) {
    std::vector<qint64> parts;
    for (const QString& part : text.split(u'.')) {
        const QByteArray digits = part.toLatin1();
        qint64 value = 0;
        const auto [end, error] =
            std::from_chars(digits.constData(), digits.constData() + digits.size(), value);
        if (digits.isEmpty() || digits.front() == '-' || error != std::errc() ||
            end != digits.constData() + digits.size()) {
            return std::nullopt;
        }
        parts.push_back(value);
    }
    return parts;
}

Appcast Appcast::parse(const QByteArray& xml) {
    Appcast appcast;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"item" &&
            reader.namespaceUri().isEmpty()) {
            if (std::optional<AppcastItem> item = readItem(reader)) {
                appcast.items.push_back(std::move(*item));
            }
        }
    }
    if (reader.hasError()) {
        throw UserFacingError(QStringLiteral("更新信息无法读取：") + reader.errorString());
    }
    return appcast;
}

std::optional<AppcastItem> Appcast::newestAbove(const QString& current) const {
    const std::optional<std::vector<qint64>> running = versionParts(current);
    if (!running) {
        return std::nullopt;
    }
    std::optional<AppcastItem> newest;
    for (const AppcastItem& item : items) {
        const std::vector<qint64> parts = *versionParts(item.version);
        if (compare(parts, *running) > 0 &&
            (!newest || compare(parts, *versionParts(newest->version)) > 0)) {
            newest = item;
        }
    }
    return newest;
}

}  // namespace tundle
