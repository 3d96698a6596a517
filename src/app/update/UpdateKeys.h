#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tundle {

// The rules the build-time update keys must meet before anything is switched on.
struct UpdateKeys {
    // An address whose scheme is "https" as written and that parses strictly with a host.
    static std::optional<QString> feedURL(const QString& text);
    // Standard base64 with padding that decodes to exactly 32 bytes.
    static std::optional<QByteArray> publicEDKey(const QString& text);
    // A decimal integer with an optional leading sign; anything else, an empty text included,
    // is build 0.
    static qint64 clientBuild(const QString& text);
};

}  // namespace tundle
