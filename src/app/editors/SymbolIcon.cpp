#include "editors/SymbolIcon.h"

#include <QGuiApplication>
#include <QPixmap>

#include "drawing/SymbolImage.h"

namespace tundle {

QIcon symbolIcon(const QString& name, const QColor& tint, int side) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap = QPixmap::fromImage(SymbolImage::render(name, QSize(side, side) * ratio, tint));
    pixmap.setDevicePixelRatio(ratio);
    return QIcon(pixmap);
}

}  // namespace tundle
