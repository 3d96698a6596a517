#include "editors/SidebarEntry.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "drawing/SymbolImage.h"
#include "toolkit/Colors.h"
#include "toolkit/FocusRing.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr double padding = 11;
constexpr double symbolSide = 14;
constexpr double gap = 7;

}  // namespace

SidebarEntry::SidebarEntry(const QString& title, const QString& id, const QString& symbol,
                           QWidget* parent)
    : QAbstractButton(parent), id_(id), symbol_(symbol) {
    setFont(Typography::font(TextSize::body));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setTitle(title);
}

void SidebarEntry::setTitle(const QString& title) {
    setText(title);
    setToolTip(title);
    update();
}

void SidebarEntry::setSelected(bool selected) {
    if (selected != selected_) {
        selected_ = selected;
        setFont(Typography::font(TextSize::body,
                                 selected ? FontWeight::semibold : FontWeight::regular));
        update();
    }
}

QSize SidebarEntry::sizeHint() const {
    const QFontMetricsF metrics(font());
    return QSize(int(std::ceil(2 * padding + symbolSide + gap + metrics.horizontalAdvance(text()))),
                 int(std::ceil(2 * padding + std::max(metrics.height(), symbolSide))));
}

void SidebarEntry::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    if (selected_) {
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 10, 10);
        painter.fillPath(shape, Colors::withOpacity(Colors::accent(), 0.1));
    }
    if (FocusRing::shown(*this)) {
        FocusRing::draw(painter, QRectF(rect()), 10);
    }
    const QColor foreground = selected_ ? Colors::accent() : palette().color(QPalette::WindowText);
    const QRectF symbolRect(padding, (height() - symbolSide) / 2, symbolSide, symbolSide);
    painter.drawImage(
        symbolRect, SymbolImage::render(symbol_, QSize(14, 14) * devicePixelRatioF(), foreground));
    const QRectF textRect(symbolRect.right() + gap, 0, width() - symbolRect.right() - gap - padding,
                          height());
    painter.setPen(foreground);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     QFontMetricsF(font()).elidedText(text(), Qt::ElideRight, textRect.width()));
}

}  // namespace tundle
