#include "toolkit/Typography.h"

#include <QStringList>

#include "drawing/InterfaceFont.h"

namespace tundle {

namespace {

QFont::Weight faceWeight(FontWeight weight) {
    switch (weight) {
        case FontWeight::semibold:
        case FontWeight::bold:
            return QFont::Bold;
        case FontWeight::regular:
        case FontWeight::medium:
            break;
    }
    return QFont::Normal;
}

}  // namespace

QFont Typography::font(double points, FontWeight weight) {
    return interfaceFont(points, faceWeight(weight));
}

QFont Typography::monospaced(double points, FontWeight weight) {
    QFont font = Typography::font(points, weight);
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC")});
    font.setStyleHint(QFont::Monospace);
    return font;
}

QFont Typography::counter(double points, FontWeight weight) {
    return font(points, weight);
}

QFont Typography::tracked(QFont font, double points) {
    font.setLetterSpacing(QFont::AbsoluteSpacing, points);
    return font;
}

}  // namespace tundle
