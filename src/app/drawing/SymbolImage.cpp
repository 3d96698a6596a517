#include "drawing/SymbolImage.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

#include "drawing/ResourceFolder.h"

namespace tundle {

QString SymbolImage::path(const QString& name) {
    const std::optional<QString> folder =
        ResourceFolder::locate(QCoreApplication::applicationDirPath());
    return folder ? QDir(*folder).filePath(QStringLiteral("Symbols/") + name + ".svg") : QString();
}

QImage SymbolImage::render(const QString& name, QSize size, const QColor& tint) {
    const QString file = path(name);
    if (file.isEmpty() || size.isEmpty()) {
        return {};
    }
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) {
        return {};
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Fit the drawing into the size without stretching it.
    QSizeF fitted = renderer.defaultSize();
    fitted.scale(size, Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF(QPointF((size.width() - fitted.width()) / 2,
                                             (size.height() - fitted.height()) / 2),
                                     fitted));
    // The drawing is only a mask: its alpha keeps, its colour becomes the tint.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), tint);
    return image;
}

}  // namespace tundle
