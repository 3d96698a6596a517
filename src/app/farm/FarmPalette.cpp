#include "FarmPalette.h"

namespace tundle {

FractionalFont FarmPalette::font(double size, QFont::Weight weight) {
    QFont face(QStringLiteral("Noto Sans CJK SC"));
    face.setWeight(weight);
    face.setHintingPreference(QFont::PreferNoHinting);
    return FractionalFont(face, size);
}

}  // namespace tundle
