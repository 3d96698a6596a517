#include "accessories/WaterShortcutButton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "accessories/ShortcutBubbleStyle.h"
#include "accessories/ShortcutIconImage.h"
#include "companion/ShortcutService.h"
#include "drawing/InterfaceFont.h"

namespace tundle {

WaterShortcutButton::WaterShortcutButton(const ShortcutItem& item, double width, QWidget* parent)
    : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setItem(item, width);
}

void WaterShortcutButton::setItem(const ShortcutItem& item, double width) {
    const QSize size(int(std::ceil(width)) + 2 * margin, int(bubbleHeight) + 2 * margin);
    if (item == item_ && size == this->size()) {
        return;
    }
    const bool pictureChanged =
        item.id != item_.id || item.kind != item_.kind || item.target != item_.target;
    item_ = item;
    if (pictureChanged) {
        icon_ = ShortcutIconImage::render(item, QSize(int(iconSize), int(iconSize)) * 2,
                                          ShortcutBubbleStyle::ink());
        iconDescription_ = ShortcutService::icon(item).description;
    }
    setToolTip(item.name + QLatin1Char('\n') + item.target);
    setAccessibleName(item.name);
    setFixedSize(size);
    update();
}

void WaterShortcutButton::setHovering(bool hovering) {
    if (hovering != hovering_) {
        hovering_ = hovering;
        update();
    }
}

void WaterShortcutButton::enterEvent(QEnterEvent* event) {
    setHovering(true);
    QAbstractButton::enterEvent(event);
}

void WaterShortcutButton::leaveEvent(QEvent* event) {
    setHovering(false);
    QAbstractButton::leaveEvent(event);
}

QRectF WaterShortcutButton::bubble() const {
    return QRectF(margin, margin, width() - 2 * margin, bubbleHeight);
}

bool WaterShortcutButton::hitButton(const QPoint& point) const {
    QPainterPath capsule;
    capsule.addRoundedRect(bubble(), bubbleHeight / 2, bubbleHeight / 2);
    return capsule.contains(point);
}

void WaterShortcutButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (!isEnabled()) {
        painter.setOpacity(0.6);
    }
    if (hovering_) {
        const QPointF centre = bubble().center();
        painter.translate(centre);
        painter.scale(hoverScale, hoverScale);
        painter.translate(-centre);
    }
    const QRectF frame = bubble();
    film_.draw(painter, YUpSpace(height()), frame, false, QColor(rgb(item_.color())),
               stableBubbleContour(item_.id));

    const QFont font = interfaceFont(11, QFont::DemiBold);
    const QFontMetricsF metrics(font);
    const double nameWidth = frame.width() - chrome;
    const QString name = metrics.elidedText(item_.name, Qt::ElideRight, nameWidth);
    const double used = iconSize + 7 + std::min(metrics.horizontalAdvance(name), nameWidth);
    const double left = frame.x() + (frame.width() - used) / 2;
    if (!icon_.isNull()) {
        QSizeF fitted = QSizeF(icon_.size());
        fitted.scale(iconSize, iconSize, Qt::KeepAspectRatio);
        painter.drawImage(QRectF(QPointF(left + (iconSize - fitted.width()) / 2,
                                         frame.y() + (bubbleHeight - fitted.height()) / 2),
                                 fitted),
                          icon_);
    }
    const QRectF textBox(left + iconSize + 7, frame.y(), nameWidth, bubbleHeight);
    painter.setFont(font);
    // A soft white halo keeps the name readable on any tint.
    painter.setPen(QColor(255, 255, 255, 115));
    for (const QPointF offset :
         std::array<QPointF, 4>{QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)}) {
        painter.drawText(textBox.translated(offset), Qt::AlignLeft | Qt::AlignVCenter, name);
    }
    painter.setPen(ShortcutBubbleStyle::ink());
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, name);
}

}  // namespace tundle
