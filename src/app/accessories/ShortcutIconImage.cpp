#include "accessories/ShortcutIconImage.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>

#include "companion/ShortcutService.h"
#include "drawing/SymbolImage.h"

namespace tundle {
namespace {

QIcon themeIcon(const ShortcutIcon& icon) {
    if (icon.source.startsWith(QLatin1Char('/'))) {
        return QIcon(icon.source);
    }
    return QIcon::fromTheme(icon.source, QIcon::fromTheme(icon.fallback));
}

}  // namespace

QImage ShortcutIconImage::render(const ShortcutItem& item, QSize size, const QColor& tint) {
    if (item.kind == ShortcutKind::website) {
        return SymbolImage::render(ShortcutService::icon(item).source, size, tint);
    }
    // A new shortcut has no target yet: the desktop's providers would read and scale nothing.
    if (item.target.isEmpty()) {
        return {};
    }
    QIcon icon =
        item.kind == ShortcutKind::application ? themeIcon(ShortcutService::icon(item)) : QIcon();
    if (icon.isNull()) {
        icon = QFileIconProvider().icon(QFileInfo(item.target));
    }
    return icon.isNull() ? QImage() : icon.pixmap(size).toImage();
}

}  // namespace tundle
