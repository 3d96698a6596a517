#include "toolkit/StyledButton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "drawing/SymbolImage.h"
#include "toolkit/FocusRing.h"

namespace tundle {

namespace {}  // namespace

StyledButton::StyledButton(Recipe recipe, const QString& text, QWidget* parent)
    : QAbstractButton(parent), recipe_(std::move(recipe)) {
    setText(text);
    setFont(recipe_.font);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void StyledButton::setSymbol(const QString& name) {
    symbol_ = name;
    trailing_ = false;
    updateGeometry();
    update();
}

void StyledButton::setTrailingSymbol(const QString& name, double gap, double points) {
    symbol_ = name;
    trailing_ = true;
    symbolGap_ = gap;
    symbolPoints_ = points;
    updateGeometry();
    update();
}

double StyledButton::symbolSide() const {
    const double points = symbolPoints_ > 0 ? symbolPoints_ : recipe_.font.pixelSize();
    return symbol_.isEmpty() ? 0 : std::round(points * 1.1);
}

QSizeF StyledButton::labelSize() const {
    const QFontMetricsF metrics(recipe_.font);
    const QString shown = text();
    double width = shown.isEmpty() ? 0 : metrics.size(Qt::TextShowMnemonic, shown).width();
    if (!symbol_.isEmpty()) {
        width += symbolSide() + (shown.isEmpty() ? 0 : symbolGap_);
    }
    return {width, std::max(metrics.height(), symbolSide())};
}

QSize StyledButton::sizeHint() const {
    const QSizeF label = labelSize();
    return QSize(int(std::ceil(label.width() + recipe_.padding.left() + recipe_.padding.right())),
                 int(std::ceil(label.height() + recipe_.padding.top() + recipe_.padding.bottom())));
}

void StyledButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(disabledOpacity);
    }
    const QRectF frame = QRectF(rect());
    const double radius = std::min(recipe_.radius, frame.height() / 2);
    QPainterPath shape;
    shape.addRoundedRect(frame, radius, radius);
    painter.fillPath(shape, currentFill());
    if (FocusRing::shown(*this)) {
        FocusRing::draw(painter, frame, radius);
    }

    const QSizeF label = labelSize();
    double x = recipe_.alignment & Qt::AlignLeft ? frame.left() + recipe_.padding.left()
                                                 : frame.center().x() - label.width() / 2;
    const auto drawSymbol = [&] {
        const double side = symbolSide();
        const double ratio = devicePixelRatioF();
        QImage image = SymbolImage::render(
            symbol_, QSize(int(std::ceil(side * ratio)), int(std::ceil(side * ratio))),
            recipe_.foreground);
        image.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(x, frame.center().y() - side / 2), image);
        x += side + symbolGap_;
    };
    if (!symbol_.isEmpty() && !trailing_) {
        drawSymbol();
    }
    if (!text().isEmpty()) {
        painter.setFont(recipe_.font);
        painter.setPen(recipe_.foreground);
        const QString shown = text();
        painter.drawText(QRectF(x, frame.top(), frame.right() - x, frame.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, shown);
        x += QFontMetricsF(recipe_.font).size(Qt::TextShowMnemonic, shown).width() + symbolGap_;
    }
    if (!symbol_.isEmpty() && trailing_) {
        drawSymbol();
    }
}

}  // namespace tundle
