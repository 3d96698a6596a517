#include "controlcentre/BreathButton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "drawing/SymbolImage.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

QColor rgb(double red, double green, double blue, double alpha = 1) {
    return QColor::fromRgbF(float(red), float(green), float(blue), float(alpha));
}

QColor grey(double white, double alpha = 1) {
    return rgb(white, white, white, alpha);
}

constexpr double capsuleHeight = 43;
constexpr double capsulePadding = 28;
constexpr QSizeF chipSize(67, 32);
constexpr double closeSide = 36;
constexpr double closeGlyph = 14;

}  // namespace

BreathButton::BreathButton(Look look, const QString& text, QWidget* parent)
    : QAbstractButton(parent), look_(look) {
    setText(text);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setFont(look == Look::chip ? Typography::font(TextSize::body)
                               : Typography::font(TextSize::emphasis, FontWeight::medium));
}

void BreathButton::setSelected(bool selected) {
    if (selected_ != selected) {
        selected_ = selected;
        setFont(Typography::font(TextSize::body,
                                 selected ? FontWeight::semibold : FontWeight::regular));
        update();
    }
}

QSizeF BreathButton::designSize() const {
    switch (look_) {
        case Look::chip:
            return chipSize;
        case Look::close:
            return {closeSide, closeSide};
        case Look::filled:
        case Look::outlined:
            break;
    }
    const QFontMetricsF metrics(font());
    return {std::ceil(metrics.horizontalAdvance(text()) + 2 * capsulePadding), capsuleHeight};
}

void BreathButton::place(const QRectF& rect, double scale) {
    scale_ = scale;
    setGeometry(QRectF(rect.topLeft() * scale, rect.size() * scale).toAlignedRect());
    update();
}

bool BreathButton::hitButton(const QPoint& pos) const {
    QPainterPath shape;
    const QRectF frame = QRectF(rect());
    if (look_ == Look::close) {
        shape.addEllipse(frame);
    } else {
        shape.addRoundedRect(frame, frame.height() / 2, frame.height() / 2);
    }
    return shape.contains(QPointF(pos));
}

void BreathButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(width()) / designSize().width(), double(height()) / designSize().height());
    const QRectF frame(QPointF(0, 0), designSize());
    const double radius = frame.height() / 2;
    if (look_ == Look::close) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(grey(0.09));
        painter.drawEllipse(frame);
        const double pixels = closeGlyph * scale_ * devicePixelRatioF();
        QImage glyph = SymbolImage::render(QStringLiteral("xmark"),
                                           QSize(int(std::ceil(pixels)), int(std::ceil(pixels))),
                                           isDown() ? grey(0.8) : grey(0.58));
        painter.drawImage(QRectF(frame.center().x() - closeGlyph / 2,
                                 frame.center().y() - closeGlyph / 2, closeGlyph, closeGlyph),
                          glyph);
        return;
    }

    QColor fill;
    QColor outline;
    QColor ink;
    switch (look_) {
        case Look::filled:
            fill = rgb(0.58, 0.9, 0.84);
            outline = grey(1, 0);
            ink = Qt::black;
            break;
        case Look::outlined:
            fill = grey(0.105);
            outline = grey(1, 0.12);
            ink = grey(1, 0.85);
            break;
        case Look::chip:
            fill = selected_ ? rgb(0.09, 0.18, 0.16) : grey(0.07);
            outline = rgb(0.4, 0.77, 0.67, selected_ ? 0.4 : 0);
            ink = selected_ ? rgb(0.66, 0.94, 0.87) : grey(0.62);
            break;
        case Look::close:
            break;
    }
    if (isDown() && look_ != Look::chip) {
        painter.setOpacity(0.72);
    }
    QPainterPath capsule;
    capsule.addRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    painter.fillPath(capsule, fill);
    if (outline.alpha() > 0) {
        painter.setPen(QPen(outline, 1));
        painter.drawPath(capsule);
    }
    painter.setPen(ink);
    painter.setFont(font());
    painter.drawText(frame, Qt::AlignCenter, text());
}

}  // namespace tundle
