#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/MemoryDefaults.h"

namespace tundle::test {

// Points $XDG_DATA_HOME at a fresh folder for the life of the object.
class TemporaryDataHome {
public:
    TemporaryDataHome() : previous_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", dir_.path().toUtf8());
    }
    ~TemporaryDataHome() { qputenv("XDG_DATA_HOME", previous_); }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

// In-memory settings that claim to be the application's own.
class StandardMemoryDefaults : public MemoryDefaults {
public:
    bool isStandard() const override { return true; }
};

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

}  // namespace tundle::test
