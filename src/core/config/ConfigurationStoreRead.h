#pragma once

#include <QByteArray>
#include <QString>

namespace tundle {

// Reads files of a known bounded size without ever loading more than the limit plus one byte.
class ConfigurationStoreRead {
public:
    // Refuses a file over `limit` bytes with "文件过大".
    static QByteArray read(const QString& path, qint64 limit);
    // The same, with the caller's own sentence for a file that is too large.
    static QByteArray read(const QString& path, qint64 limit, const QString& tooLargeMessage);
};

}  // namespace tundle
