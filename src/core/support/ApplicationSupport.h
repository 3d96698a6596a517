#pragma once

#include <QString>
#include <optional>

namespace tundle {

// The folder where the application keeps its files: $XDG_DATA_HOME/pet-tundle, normally
// ~/.local/share/pet-tundle. Nothing when the desktop gives no data folder.
class ApplicationSupport {
public:
    static std::optional<QString> folder();
    // `name` inside the folder.
    static std::optional<QString> path(const QString& name);
};

}  // namespace tundle
