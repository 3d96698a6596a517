#include "accessories/AddShortcutBubble.h"

#include <QFontMetricsF>
#include <QPainter>

#include "accessories/ShortcutBubbleStyle.h"
#include "drawing/SymbolImage.h"
#include "drawing/InterfaceFont.h"

namespace tundle {

AddShortcutBubble::AddShortcutBubble(QWidget* parent) : QAbstractButton(parent) {
    setText(QStringLiteral("添加快捷方式"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(frameWidth, frameHeight);
}

void AddShortcutBubble::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    film_.draw(painter, YUpSpace(frameHeight), QRectF(1, 2, frameWidth - 2, frameHeight - 4), false,
               ShortcutBubbleStyle::amber());
    const QFont font = interfaceFont(12, QFont::Medium);
    const double textWidth = QFontMetricsF(font).horizontalAdvance(text());
    constexpr double symbol = 14, gap = 6;
    const double left = (frameWidth - symbol - gap - textWidth) / 2;
    painter.drawImage(
        QRectF(left, (frameHeight - symbol) / 2, symbol, symbol),
        SymbolImage::render(QStringLiteral("plus"), QSize(28, 28), ShortcutBubbleStyle::ink()));
    painter.setFont(font);
    painter.setPen(ShortcutBubbleStyle::ink());
    painter.drawText(QRectF(left + symbol + gap, 0, textWidth + 1, frameHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}

}  // namespace tundle
