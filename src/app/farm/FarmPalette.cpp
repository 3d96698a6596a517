#include "FarmPalette.h"

namespace tundle {

QFont FarmPalette::font(double size, QFont::Weight weight) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSizeF(size * 0.75);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace tundle
