#include "records/ShortcutColor.h"

namespace tundle {

QString title(ShortcutColor color) {
    switch (color) {
        case ShortcutColor::blue:
            return QStringLiteral("蓝色");
        case ShortcutColor::red:
            return QStringLiteral("红色");
        case ShortcutColor::orange:
            return QStringLiteral("橙色");
        case ShortcutColor::yellow:
            return QStringLiteral("黄色");
        case ShortcutColor::green:
            return QStringLiteral("绿色");
        case ShortcutColor::purple:
            return QStringLiteral("紫色");
        case ShortcutColor::gray:
            return QStringLiteral("灰色");
    }
    return QString();
}

// The familiar desktop system palette, so tags look as users expect them to.
QRgb rgb(ShortcutColor color) {
    switch (color) {
        case ShortcutColor::blue:
            return qRgb(0, 122, 255);
        case ShortcutColor::red:
            return qRgb(255, 59, 48);
        case ShortcutColor::orange:
            return qRgb(255, 149, 0);
        case ShortcutColor::yellow:
            return qRgb(255, 204, 0);
        case ShortcutColor::green:
            return qRgb(40, 205, 65);
        case ShortcutColor::purple:
            return qRgb(175, 82, 222);
        case ShortcutColor::gray:
            return qRgb(142, 142, 147);
    }
    return qRgb(0, 0, 0);
}

}  // namespace tundle
