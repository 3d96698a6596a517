#include "editors/BubblePreview.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "drawing/SymbolImage.h"
#include "drawing/YUpSpace.h"
#include "toolkit/Colors.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr double horizontalPadding = 18;
constexpr double verticalPadding = 12;
constexpr double symbolSide = 15;
constexpr double spacing = 8;
constexpr double maximumTextWidth = 320;

}  // namespace

BubblePreview::BubblePreview(QWidget* parent) : QWidget(parent) {
    setFont(Typography::font(TextSize::control));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void BubblePreview::present(const ShortcutItem& item) {
    text_ = item.name.isEmpty() ? QStringLiteral("气泡名称预览") : item.name;
    symbol_ = symbol(item.kind);
    tint_ = QColor(rgb(item.color()));
    updateGeometry();
    update();
}

QSize BubblePreview::sizeHint() const {
    const QFontMetricsF metrics(font());
    const double textWidth = std::min(metrics.horizontalAdvance(text_), maximumTextWidth);
    return QSize(int(std::ceil(textWidth + symbolSide + spacing + 2 * horizontalPadding)),
                 int(std::ceil(std::max(metrics.height(), symbolSide) + 2 * verticalPadding)));
}

void BubblePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    const QRectF frame(QPointF(0, 0), QSizeF(size()));
    film_.draw(painter, YUpSpace(height()), frame, false, tint_);

    const qreal ratio = devicePixelRatioF();
    const QRectF symbolRect(horizontalPadding, (height() - symbolSide) / 2, symbolSide, symbolSide);
    painter.drawImage(symbolRect,
                      SymbolImage::render(symbol_, QSize(15, 15) * ratio, Colors::ink()));
    painter.setPen(Colors::ink());
    const QRectF textRect(symbolRect.right() + spacing, 0,
                          width() - symbolRect.right() - spacing - horizontalPadding, height());
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     QFontMetricsF(font()).elidedText(text_, Qt::ElideRight, textRect.width()));
}

}  // namespace tundle
