#include "FarmPalette.h"

#include <algorithm>

namespace tundle {

QFont FarmPalette::font(double size, QFont::Weight weight) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(std::max(1, qRound(size)));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace tundle
