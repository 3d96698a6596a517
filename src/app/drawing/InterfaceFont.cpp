#include "drawing/InterfaceFont.h"

#include <algorithm>

namespace tundle {

QFont interfaceFont(double size, QFont::Weight weight) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(std::max(1, qRound(size)));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace tundle
