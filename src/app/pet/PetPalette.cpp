#include "PetPalette.h"

namespace tundle {

QFont PetPalette::font(double size, bool medium) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(qRound(size));
    font.setWeight(medium ? QFont::Medium : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace tundle
