#include "records/ShortcutKind.h"

namespace tundle {

QString title(ShortcutKind kind) {
    switch (kind) {
        case ShortcutKind::application:
            return QStringLiteral("软件");
        case ShortcutKind::folder:
            return QStringLiteral("文件夹");
        case ShortcutKind::file:
            return QStringLiteral("文件");
        case ShortcutKind::website:
            return QStringLiteral("网址");
    }
    return QString();
}

QString symbol(ShortcutKind kind) {
    switch (kind) {
        case ShortcutKind::application:
            return QStringLiteral("app");
        case ShortcutKind::folder:
            return QStringLiteral("folder");
        case ShortcutKind::file:
            return QStringLiteral("doc");
        case ShortcutKind::website:
            return QStringLiteral("globe");
    }
    return QString();
}

}  // namespace tundle
