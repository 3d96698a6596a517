#include "platform/SystemShortcutOpener.h"

#include <QDesktopServices>
#include <QProcess>

#include "companion/DesktopEntry.h"
#include "support/UserFacingError.h"

namespace tundle {

bool SystemShortcutOpener::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

std::optional<QString> SystemShortcutOpener::launch(const QString& desktopEntryPath) {
    const QString prefix = QStringLiteral("应用未能启动：");
    DesktopEntry entry;
    try {
        entry = DesktopEntry::read(desktopEntryPath);
    } catch (const std::exception& failure) {
        return prefix + describe(failure);
    }
    if (entry.program.isEmpty()) {
        return prefix + QStringLiteral("这个 .desktop 应用没有可以执行的命令。");
    }
    QProcess process;
    process.setProgram(entry.program);
    process.setArguments(entry.arguments);
    process.setWorkingDirectory(entry.workingDirectory);
    if (!process.startDetached()) {
        return prefix + process.errorString();
    }
    return std::nullopt;
}

}  // namespace tundle
