#include "config/ConfigurationLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <thread>

#include "support/ConfigurationError.h"
#include "support/FileIO.h"

namespace tundle {

ConfigurationLock::ConfigurationLock(const QString& lockPath) {
    const QString folder = QFileInfo(lockPath).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw FileError::of("无法创建文件夹", folder, QStringLiteral("请检查权限。"));
    }
    file_ = FileDescriptor(::open(QFile::encodeName(lockPath).constData(),
                                  O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!file_.isOpen()) {
        throw FileError::system("无法打开文件", lockPath, errno);
    }
    // flock cannot wait with a time limit, so it is asked again and again until the deadline.
    const QDeadlineTimer deadline(patience);
    while (::flock(file_.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            throw FileError::system("无法锁定文件", lockPath, errno);
        }
        if (deadline.hasExpired()) {
            throw ConfigurationError(QStringLiteral("配置正被另一份糯墩保存，请稍后再试。"));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace tundle
