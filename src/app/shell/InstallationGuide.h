#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

namespace tundle {

// What kind of file system a path lies on, as far as updating the program goes.
enum class MountKind { writable, readOnly, temporary };

// Decides whether the running copy lies where software updates can replace it, and explains to
// the user how to move it there when it does not. The installation check and the software
// updater share this one rule, so an installed copy is never told to install and can update.
class InstallationGuide {
public:
    // `executablePath`: the running program.
    static bool needsInstallation(const QString& executablePath);
    // The same with the installed places and the file-system question given by the caller.
    static bool needsInstallation(const QString& executablePath, const QStringList& installedPlaces,
                                  const std::function<MountKind(const QString&)>& mountOf);

    // The folder software updates replace: <folder named pet-tundle>/bin/pet-tundle gives that
    // folder; a program in a shared prefix such as /usr/local/bin has none.
    static std::optional<QString> installLocation(const QString& executablePath);

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
