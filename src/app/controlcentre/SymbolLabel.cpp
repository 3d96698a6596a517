#include "controlcentre/SymbolLabel.h"

#include "drawing/SymbolImage.h"

namespace tundle {

QLabel* symbolLabel(const QString& name, int side, const QColor& color, QWidget* parent) {
    auto* label = new QLabel(parent);
    const double ratio = label->devicePixelRatioF();
    QImage image = SymbolImage::render(name, QSize(side, side) * ratio, color);
    image.setDevicePixelRatio(ratio);
    label->setPixmap(QPixmap::fromImage(image));
    label->setFixedSize(side, side);
    return label;
}

}  // namespace tundle
