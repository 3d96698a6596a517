#include "config/ConfigurationStoreRead.h"

#include "support/ConfigurationError.h"
#include "support/FileIO.h"

namespace tundle {

QByteArray ConfigurationStoreRead::read(const QString& path, qint64 limit) {
    return read(path, limit, QStringLiteral("文件过大"));
}

QByteArray ConfigurationStoreRead::read(const QString& path, qint64 limit,
                                        const QString& tooLargeMessage) {
    QByteArray bytes = FileIO::readAtMost(path, limit);
    if (bytes.size() > limit) {
        throw ConfigurationError(tooLargeMessage);
    }
    return bytes;
}

}  // namespace tundle
