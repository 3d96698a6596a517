#pragma once

#include <sched.h>
#include <sys/mount.h>

#include <QFile>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <cstring>

namespace tundle::test {

// Mounts made by a test in a mount namespace of its own, so nobody else on the machine sees
// them and none outlives the test process, however it ends. Needs root (CAP_SYS_ADMIN); where
// that is missing, `available()` is false and `reason()` says why, for GTEST_SKIP.
class PrivateMounts {
public:
    PrivateMounts() {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            reason_ = QString::fromLocal8Bit(std::strerror(errno));
        }
    }

    // Unmounts in reverse order, so the folders can be removed after.
    ~PrivateMounts() {
        for (auto it = mounted_.crbegin(); it != mounted_.crend(); ++it) {
            ::umount2(QFile::encodeName(*it).constData(), MNT_DETACH);
        }
    }
    PrivateMounts(const PrivateMounts&) = delete;
    PrivateMounts& operator=(const PrivateMounts&) = delete;

    bool available() const { return reason_.isEmpty(); }
    const QString& reason() const { return reason_; }

    // A tmpfs of `bytes` (whole pages) over the existing folder `path`.
    bool smallFileSystem(const QString& path, qint64 bytes) {
        const QByteArray options = "size=" + QByteArray::number(bytes);
        if (::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0,
                    options.constData()) != 0) {
            return false;
        }
        mounted_.append(path);
        return true;
    }
    // The folder `path` shown once more at `at`, as a bind mount, read-only when asked.
    bool bind(const QString& path, const QString& at, bool readOnly = false) {
        const QByteArray target = QFile::encodeName(at);
        if (::mount(QFile::encodeName(path).constData(), target.constData(), nullptr, MS_BIND,
                    nullptr) != 0) {
            return false;
        }
        mounted_.append(at);
        return !readOnly || ::mount(nullptr, target.constData(), nullptr,
                                    MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    // Makes a mounted file system read-only.
    static bool makeReadOnly(const QString& path) {
        return ::mount(nullptr, QFile::encodeName(path).constData(), nullptr,
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QString reason_;
    QStringList mounted_;
};

}  // namespace tundle::test
