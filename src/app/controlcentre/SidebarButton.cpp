#include "controlcentre/SidebarButton.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "drawing/SymbolImage.h"
#include "toolkit/Colors.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr double tileRadius = 22;
constexpr double titleGap = 9;
constexpr double selectedFill = 0.12;

}  // namespace

const SidebarButton::Look SidebarButton::pageLook{
    .frame = QSize(100, 84), .tile = QSize(68, 72), .symbolPoints = 21, .titlePoints = 11};
const SidebarButton::Look SidebarButton::plainLook{
    .frame = QSize(100, 44), .tile = QSize(), .symbolPoints = 18, .titlePoints = 0};

SidebarButton::SidebarButton(const Look& look, const QString& symbol, const QString& title,
                             QWidget* parent)
    : QAbstractButton(parent), look_(look), symbol_(symbol) {
    setText(title);
    setAccessibleName(title);
    setFixedSize(look_.frame);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void SidebarButton::setSymbol(const QString& symbol) {
    symbol_ = symbol;
    update();
}

QRect SidebarButton::tileRect() const {
    QRect tile(QPoint(0, 0), look_.tile.isEmpty() ? look_.frame : look_.tile);
    tile.moveCenter(rect().center());
    return tile;
}

void SidebarButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(tileRect());
    const QColor foreground = isChecked() ? Colors::accent() : Colors::muted();
    if (isChecked() && !look_.tile.isEmpty()) {
        QPainterPath shape;
        shape.addRoundedRect(tile, tileRadius, tileRadius);
        painter.fillPath(shape, Colors::withOpacity(Colors::accent(), selectedFill));
    }
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Colors::accent(), 1.5));
        const double radius = look_.tile.isEmpty() ? 12 : tileRadius;
        painter.drawRoundedRect(tile.adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
    }

    // A symbol "at a font size" is about that size and a tenth tall.
    const double side = std::round(look_.symbolPoints * 1.1);
    const QFont title = Typography::font(look_.titlePoints, FontWeight::medium);
    const QFontMetricsF metrics(title);
    const bool titled = !text().isEmpty() && look_.titlePoints > 0;
    const double height = side + (titled ? titleGap + metrics.height() : 0);
    const double top = tile.center().y() - height / 2;
    const double ratio = devicePixelRatioF();
    const int pixels = int(std::ceil(side * ratio));
    QImage image = SymbolImage::render(symbol_, QSize(pixels, pixels), foreground);
    if (!image.isNull()) {
        image.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(tile.center().x() - side / 2, top), image);
    }
    if (titled) {
        painter.setFont(title);
        painter.setPen(foreground);
        painter.drawText(QRectF(0, top + side + titleGap, width(), metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, text());
    }
}

}  // namespace tundle
