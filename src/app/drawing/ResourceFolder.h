#pragma once

#include <QString>
#include <optional>

namespace tundle {

// Where the built-in art and sounds are: the installed data folder beside the executable's
// prefix (<prefix>/share/pet-tundle), or the build tree's assets when run from the build.
class ResourceFolder {
public:
    static std::optional<QString> locate(const QString& executableFolder);
};

}  // namespace tundle
