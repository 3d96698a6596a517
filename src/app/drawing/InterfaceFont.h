#pragma once

#include <QFont>

namespace tundle {

// The interface font of the custom-drawn views at `size` pixels (one pixel per point, rounded to
// whole pixels); a weight the family lacks falls back to the nearest face it has.
QFont interfaceFont(double size, QFont::Weight weight = QFont::Normal);

}  // namespace tundle
