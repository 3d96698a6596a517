#include "update/StagedInstall.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace tundle {

namespace {

QString sibling(const QString& location, const QString& purpose) {
    const QFileInfo info(location);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' + purpose + u'-' +
           QUuid::createUuid().toString(QUuid::Id128);
}

}  // namespace

bool StagedInstall::isWritableLocation(const QString& location) {
    const QFileInfo info(location);
    return info.isDir() && info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
}

void StagedInstall::run(const QString& archive, const QString& location, Done done) {
    if (!isWritableLocation(location)) {
        done(QStringLiteral("安装位置不可写"));
        return;
    }
    auto* install = new StagedInstall(QFileInfo(location).absoluteFilePath(), std::move(done));
    if (!QDir().mkdir(install->staged_)) {
        install->finish(QStringLiteral("无法创建临时安装文件夹"));
        return;
    }
    install->tar_.start(QStringLiteral("tar"),
                        {QStringLiteral("--no-same-owner"), QStringLiteral("-xzf"), archive,
                         QStringLiteral("-C"), install->staged_});
}

StagedInstall::StagedInstall(QString location, Done done)
    : location_(std::move(location)),
      staged_(sibling(location_, QStringLiteral("staged"))),
      done_(std::move(done)) {
    tar_.setProcessChannelMode(QProcess::MergedChannels);
    tar_.setStandardOutputFile(QProcess::nullDevice());
    connect(&tar_, &QProcess::finished, this, &StagedInstall::unpacked);
    connect(&tar_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            finish(QStringLiteral("无法解压更新包"));
        }
    });
}

void StagedInstall::unpacked(int exitCode, QProcess::ExitStatus status) {
    if (status != QProcess::NormalExit || exitCode != 0) {
        finish(QStringLiteral("无法解压更新包"));
        return;
    }
    if (!QFileInfo(staged_ + QStringLiteral("/bin/pet-tundle")).isFile()) {
        finish(QStringLiteral("更新包内容不完整"));
        return;
    }
    finish(swapIn(staged_, location_,
                  [](const QString& from, const QString& to) { return QDir().rename(from, to); }));
}

std::optional<QString> StagedInstall::swapIn(const QString& staged, const QString& location,
                                             const Rename& rename) {
    const QString previous = sibling(location, QStringLiteral("previous"));
    if (!rename(location, previous)) {
        return QStringLiteral("无法替换安装文件夹");
    }
    if (!rename(staged, location)) {
        if (!rename(previous, location)) {
            return QStringLiteral("无法替换安装文件夹，原安装文件夹留在“%1”，请把它改回“%2”")
                .arg(previous, location);
        }
        return QStringLiteral("无法替换安装文件夹");
    }
    QDir(previous).removeRecursively();
    return std::nullopt;
}

void StagedInstall::finish(std::optional<QString> failure) {
    if (failure) {
        QDir(staged_).removeRecursively();
    }
    deleteLater();
    done_(std::move(failure));
}

}  // namespace tundle
