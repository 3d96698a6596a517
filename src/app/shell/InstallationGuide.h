#pragma once

#include <QString>
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
    // `executablePath`: the running program; true when it must be installed first.
    static bool needsInstallation(const QString& executablePath);

    // The folder software updates replace, or nothing when the copy must be installed first. A
    // folder laid out as scripts/install does counts wherever it is: a folder named pet-tundle
    // holding bin/pet-tundle and the data folder share/pet-tundle, found after resolving links,
    // on a writable file system that outlives a restart, outside any build tree.
    static std::optional<QString> installLocation(const QString& executablePath);
    // The same with the file-system question given by the caller.
    static std::optional<QString> installLocation(
        const QString& executablePath, const std::function<MountKind(const QString&)>& mountOf);

    static MountKind mountOf(const QString& path);

    // Where scripts/install puts the program by default; the guide offers to open it.
    static QString installFolder();

    // Asks modally; may quit the application. `openFolder` answers whether the folder opened.
    static void show(const std::function<bool(const QUrl&)>& openFolder);
    static void show();
};

}  // namespace tundle
