#include "shell/InstallationGuide.h"

#include <sys/statfs.h>
#include <sys/statvfs.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "toolkit/Alert.h"

namespace tundle {

namespace {

constexpr long tmpfsMagic = 0x01021994;
constexpr long ramfsMagic = 0x858458f6;

// A build tree is recognised by the cache CMake leaves at its top.
bool liesInBuildTree(const QString& canonicalPath) {
    QDir folder = QFileInfo(canonicalPath).dir();
    do {
        if (folder.exists(QStringLiteral("CMakeCache.txt"))) {
            return true;
        }
    } while (folder.cdUp());
    return false;
}

// scripts/install puts the program and its data in a folder of their own, which updates replace
// as a whole; a shared prefix such as /usr/local/bin is none.
std::optional<QString> laidOutFolder(const QString& canonicalPath) {
    const QFileInfo bin(QFileInfo(canonicalPath).absolutePath());
    const QDir root(bin.absolutePath());
    if (bin.fileName() != QStringLiteral("bin") || root.dirName() != QStringLiteral("pet-tundle") ||
        !QFileInfo(root.filePath(QStringLiteral("share/pet-tundle"))).isDir()) {
        return std::nullopt;
    }
    return root.absolutePath();
}

}  // namespace

bool InstallationGuide::needsInstallation(const QString& executablePath) {
    return !installLocation(executablePath);
}

std::optional<QString> InstallationGuide::installLocation(const QString& executablePath) {
    return installLocation(executablePath, &mountOf);
}

std::optional<QString> InstallationGuide::installLocation(
    const QString& executablePath, const std::function<MountKind(const QString&)>& mountOf) {
    const QString path = QFileInfo(executablePath).canonicalFilePath();
    if (path.isEmpty() ||
        path.split(u'/', Qt::SkipEmptyParts).contains(QStringLiteral("AppTranslocation")) ||
        mountOf(path) != MountKind::writable || liesInBuildTree(path)) {
        return std::nullopt;
    }
    return laidOutFolder(path);
}

MountKind InstallationGuide::mountOf(const QString& path) {
    const QByteArray encoded = QFile::encodeName(path);
    struct statvfs volume = {};
    if (::statvfs(encoded.constData(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0) {
        return MountKind::readOnly;
    }
    struct statfs system = {};
    if (::statfs(encoded.constData(), &system) == 0 &&
        (system.f_type == tmpfsMagic || system.f_type == ramfsMagic)) {
        return MountKind::temporary;
    }
    // A question the file system cannot answer counts as a writable place.
    return MountKind::writable;
}

QString InstallationGuide::installFolder() {
    return QDir::home().filePath(QStringLiteral(".local/pet-tundle"));
}

void InstallationGuide::show(const std::function<bool(const QUrl&)>& openFolder) {
    QMessageBox guide(QMessageBox::Information, QStringLiteral("先安装糯墩"),
                      QStringLiteral("先安装糯墩"));
    guide.setInformativeText(QStringList{
        QStringLiteral("当前运行位置不适合安装软件更新。"),
        QString(),
        QStringLiteral("1. 退出糯墩。"),
        QStringLiteral("2. 在终端里进入糯墩的源代码文件夹，运行 scripts/install。"),
        QStringLiteral("3. 从应用程序菜单重新打开糯墩，再检查更新。"),
        QString(),
        QStringLiteral("如果已经安装过，请退出当前这份，再从应用程序菜单打开糯墩。"),
    }
                                 .join(u'\n'));
    QPushButton* install =
        guide.addButton(QStringLiteral("打开安装位置并退出"), QMessageBox::AcceptRole);
    guide.addButton(QStringLiteral("稍后安装"), QMessageBox::RejectRole);
    guide.setDefaultButton(install);
    shapeAlert(guide);
    guide.exec();
    if (guide.clickedButton() != install) {
        return;
    }
    const QString folder = installFolder();
    QDir().mkpath(folder);
    if (openFolder(QUrl::fromLocalFile(folder))) {
        QCoreApplication::quit();
        return;
    }
    QMessageBox failure(QMessageBox::NoIcon, QStringLiteral("未能打开安装位置"),
                        QStringLiteral("未能打开安装位置"));
    failure.setInformativeText(
        QStringLiteral("请在文件管理器中打开 %1，然后退出糯墩并按安装步骤操作。").arg(folder));
    shapeAlert(failure);
    failure.exec();
}

void InstallationGuide::show() {
    show([](const QUrl& folder) { return QDesktopServices::openUrl(folder); });
}

}  // namespace tundle
