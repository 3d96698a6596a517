#include "pet/BubbleText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

#include "drawing/InterfaceFont.h"
#include "drawing/PetPalette.h"

namespace tundle {

namespace {

// Lays the text out in `width` from the top; answers the height the lines use.
double layOut(QTextLayout& layout, double width) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setLeadingIncluded(true);
        line.setPosition(QPointF(0, y));
        y += line.height() + BubbleText::lineSpacing;
    }
    layout.endLayout();
    return layout.lineCount() > 0 ? y - BubbleText::lineSpacing : 0;
}

}  // namespace

QFont BubbleText::font(BubbleTextStyle style) {
    return style == BubbleTextStyle::main ? interfaceFont(13, QFont::Medium) : interfaceFont(11);
}

QColor BubbleText::color(BubbleTextStyle style) {
    return PetPalette::bubbleInk(style == BubbleTextStyle::main ? 1.0 : 0.62);
}

const BubbleText& BubbleText::shared() {
    static const BubbleText measure;
    return measure;
}

double BubbleText::lineWidth(const QString& text, BubbleTextStyle style) const {
    return QFontMetricsF(font(style)).horizontalAdvance(text);
}

double BubbleText::usedHeight(const QString& text, BubbleTextStyle style, double width) const {
    QTextLayout layout(text, font(style));
    return std::ceil(layOut(layout, width));
}

double BubbleText::lineHeight(BubbleTextStyle style) const {
    return QFontMetricsF(font(style)).lineSpacing();
}

void BubbleText::draw(QPainter& painter, QPointF topLeft, double width, const QString& text,
                      BubbleTextStyle style) {
    QTextLayout layout(text, font(style));
    layOut(layout, width);
    painter.save();
    painter.setPen(color(style));
    layout.draw(&painter, topLeft);
    painter.restore();
}

}  // namespace tundle
