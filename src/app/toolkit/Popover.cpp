#include "toolkit/Popover.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "toolkit/Colors.h"
#include "toolkit/LightPalette.h"

namespace tundle {

namespace {

constexpr int screenMargin = 6;

}  // namespace

Popover::Placement Popover::place(const QRect& anchor, QSize size, const QRect& screen) {
    Placement placement;
    const int centre = anchor.center().x();
    const int left = std::clamp(
        centre - size.width() / 2, screen.left() + screenMargin,
        std::max(screen.left() + screenMargin, screen.right() + 1 - screenMargin - size.width()));
    placement.arrowOnTop = anchor.bottom() + 1 + size.height() <= screen.bottom() + 1 ||
                           anchor.top() - size.height() < screen.top();
    const int top = placement.arrowOnTop ? anchor.bottom() + 1 : anchor.top() - size.height();
    placement.topLeft = QPoint(left, top);
    placement.arrowX = std::clamp(double(centre - left), radius + arrowWidth / 2,
                                  size.width() - radius - arrowWidth / 2);
    return placement;
}

Popover::Popover(QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint),
      content_(new QVBoxLayout(this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    // Qt passes the closing press on only where the platform grabs the pointer for popups, and
    // to any control alike; the popover decides itself, the same everywhere.
    setAttribute(Qt::WA_NoMouseReplay);
    LightPalette::apply(*this);
    setArrow(true);
}

void Popover::setArrow(bool onTop) {
    placement_.arrowOnTop = onTop;
    const int arrow = int(arrowHeight);
    content_->setContentsMargins(0, onTop ? arrow : 0, 0, onTop ? 0 : arrow);
}

QSize Popover::sizeFor(int width) const {
    const int height = content_->hasHeightForWidth() ? content_->totalHeightForWidth(width)
                                                     : content_->totalSizeHint().height();
    return {width, height};
}

void Popover::showFor(QWidget& anchor, int width) {
    anchor_ = &anchor;
    const QRect global(anchor.mapToGlobal(QPoint(0, 0)), anchor.size());
    const QScreen* screen = anchor.screen() ? anchor.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1440, 900);
    arrange(global, area, width);
    show();
}

void Popover::arrange(const QRect& anchor, const QRect& area, int width) {
    const QSize size = sizeFor(width);
    placement_ = place(anchor, size, area);
    setArrow(placement_.arrowOnTop);
    setGeometry(QRect(placement_.topLeft, size));
}

void Popover::mousePressEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint global = event->globalPosition().toPoint();
    const bool onAnchor =
        anchor_ && anchor_->isVisible() && anchor_->rect().contains(anchor_->mapFromGlobal(global));
    close();
    if (!onAnchor) {
        passOn(*event);
    }
}

void Popover::passOn(const QMouseEvent& press) {
    const QPoint global = press.globalPosition().toPoint();
    QWidget* target = QApplication::widgetAt(global);
    if (!target) {
        return;
    }
    // A press on a window that a dialog blocks goes nowhere, as the platform would have it.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != target->window() && !modal->isAncestorOf(target)) {
        return;
    }
    QWindow* window = target->window()->windowHandle();
    if (!window) {
        return;
    }
    const QPointF local = window->mapFromGlobal(press.globalPosition());
    QCoreApplication::postEvent(
        window, new QMouseEvent(QEvent::MouseButtonPress, local, local, press.globalPosition(),
                                press.button(), press.buttons(), press.modifiers(),
                                press.pointingDevice()));
}

void Popover::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit closed();
}

void Popover::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool top = placement_.arrowOnTop;
    const QRectF body = whole.adjusted(0, top ? arrowHeight : 0, 0, top ? 0 : -arrowHeight);
    QPainterPath shape;
    shape.addRoundedRect(body, radius, radius);
    QPainterPath arrow;
    const double x = whole.left() + placement_.arrowX;
    const double edge = top ? body.top() : body.bottom();
    const double tip = top ? whole.top() : whole.bottom();
    arrow.moveTo(x - arrowWidth / 2, edge + (top ? 1 : -1));
    arrow.lineTo(x, tip);
    arrow.lineTo(x + arrowWidth / 2, edge + (top ? 1 : -1));
    arrow.closeSubpath();
    shape = shape.united(arrow);
    painter.fillPath(shape, Qt::white);
    painter.setPen(QPen(Colors::grey(0, 0.14), 1));
    painter.drawPath(shape);
}

}  // namespace tundle
