#pragma once

#include <QString>

namespace tundle {

// A sprite-sheet name: a plain file name ending in lower-case ".png".
bool isSheetName(const QString& name);
// A sound name: a plain file name ending in ".m4a", ".wav", ".caf" or ".aiff" in any case.
bool isSoundName(const QString& name);

}  // namespace tundle
