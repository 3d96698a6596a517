#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace tundle {

// One build offered by the update feed: an RSS item whose enclosure carries the archive's
// address, length, build number and Ed25519 signature.
struct AppcastItem {
    QString version;
    QString shortVersion;
    QString url;
    qint64 length = 0;
    QByteArray signature;

    bool operator==(const AppcastItem&) const = default;
};

// The update feed, read leniently: an item without a usable build number, a positive length,
// an address and a 64-byte signature is passed over.
struct Appcast {
    std::vector<AppcastItem> items;

    // Throws UserFacingError when the feed is not well-formed XML.
    static Appcast parse(const QByteArray& xml);

    // The item with the highest build number above `current`; nothing when none is newer.
    std::optional<AppcastItem> newestAbove(const QString& current) const;

    // Dotted build numbers of decimal parts ("12", "1.10.2"); missing parts count as 0.
    // Nothing for a text that is not one.
    static std::optional<std::vector<qint64>> versionParts(const QString& text);
};

}  // namespace tundle
