#include "editors/ColorSwatch.h"

#include <QPainter>

#include "drawing/SymbolImage.h"
#include "toolkit/FocusRing.h"

namespace tundle {

ColorSwatch::ColorSwatch(ShortcutColor color, QWidget* parent)
    : QAbstractButton(parent), color_(color) {
    setFixedSize(23, 23);
    // Reached by Tab; a click picks the colour and leaves the focus in the field being typed in.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(title(color));
    setAccessibleName(title(color));
}

void ColorSwatch::setMarked(bool marked) {
    if (marked != marked_) {
        marked_ = marked;
        update();
    }
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(rgb(color_)));
    painter.drawEllipse(QRectF(rect()));
    if (FocusRing::shown(*this)) {
        FocusRing::draw(painter, QRectF(rect()), width() / 2.0);
    }
    if (!marked_) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize side = QSize(11, 11) * ratio;
    const QRectF mark(QPointF(6, 6), QSizeF(11, 11));
    // A faint shadow keeps the white mark readable on the pale yellow.
    painter.drawImage(mark.translated(0, 0.5),
                      SymbolImage::render(QStringLiteral("checkmark"), side, QColor(0, 0, 0, 84)));
    painter.drawImage(mark, SymbolImage::render(QStringLiteral("checkmark"), side, Qt::white));
}

}  // namespace tundle
