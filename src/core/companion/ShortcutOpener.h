#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace tundle {

// The desktop's side of opening a shortcut, kept apart so nothing is opened for real in tests.
class ShortcutOpener {
public:
    virtual ~ShortcutOpener() = default;

    // Opens a file, folder or web address with the user's default application; false when the
    // desktop refused.
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts the application of a .desktop file on its own; nothing once it started, else the
    // reason it could not.
    virtual std::optional<QString> launch(const QString& desktopEntryPath) = 0;
};

}  // namespace tundle
