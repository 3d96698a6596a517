#include "companion/TrashedFileIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QFile>

namespace tundle {

std::optional<TrashedFileIdentity> TrashedFileIdentity::read(const QByteArray& path) {
    struct statx status {};
    if (path.isEmpty() ||
        statx(AT_FDCWD, path.constData(), AT_SYMLINK_NOFOLLOW | AT_STATX_SYNC_AS_STAT,
              STATX_INO | STATX_BTIME, &status) != 0) {
        return std::nullopt;
    }
    TrashedFileIdentity identity;
    identity.device = makedev(status.stx_dev_major, status.stx_dev_minor);
    identity.inode = status.stx_ino;
    if ((status.stx_mask & STATX_BTIME) != 0) {
        identity.birthSeconds = status.stx_btime.tv_sec;
        identity.birthNanoseconds = status.stx_btime.tv_nsec;
    }
    return identity;
}

std::optional<TrashedFileIdentity> TrashedFileIdentity::read(const QString& path) {
    return read(QFile::encodeName(path));
}

}  // namespace tundle
