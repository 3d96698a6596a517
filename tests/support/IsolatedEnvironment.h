#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace tundle::test {

// Points the home folder and every XDG folder below `root` and makes Qt run without a
// display, so a test or benchmark never touches the real user's files or screen.
inline void isolateEnvironment(const QString& root) {
    const QByteArray base = root.toUtf8();
    qputenv("HOME", base);
    qputenv("XDG_DATA_HOME", base + "/data");
    qputenv("XDG_CONFIG_HOME", base + "/config");
    qputenv("XDG_CACHE_HOME", base + "/cache");
    QDir().mkpath(root + "/runtime");
    QFile::setPermissions(root + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", base + "/runtime");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

}  // namespace tundle::test
