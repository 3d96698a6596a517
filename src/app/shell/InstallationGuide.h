#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace tundle {

// What kind of file system a path lies on, as far as updating the program goes.
enum class MountKind { writable, readOnly, temporary };

// Decides whether the running copy lies where software updates can replace it, and explains to
// the user how to move it there when it does not.
class InstallationGuide {
public:
    // `executablePath`: the running program.
    static bool needsInstallation(const QString& executablePath);
    // The same with the installed places and the file-system question given by the caller.
    static bool needsInstallation(const QString& executablePath, const QStringList& installedPlaces,
                                  const std::function<MountKind(const QString&)>& mountOf);

    // The folders a copy counts as installed in, in the order they are tried.
    static QStringList installedPlaces(const QString& home);
    static MountKind mountOf(const QString& path);

    // The folder the guide offers to open.
    static QString applicationsFolder();

    // Asks modally; may quit the application. `openFolder` answers whether the folder opened.
    static void show(const std::function<bool(const QUrl&)>& openFolder);
    static void show();
};

}  // namespace tundle
