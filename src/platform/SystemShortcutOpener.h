#pragma once

#include "companion/ShortcutOpener.h"

namespace tundle {

// Opens through the desktop's default applications and starts .desktop applications as the
// Desktop Entry Specification describes.
class SystemShortcutOpener : public ShortcutOpener {
public:
    bool openUrl(const QUrl& url) override;
    std::optional<QString> launch(const QString& desktopEntryPath) override;
};

}  // namespace tundle
