#include "toolkit/StyledText.h"

#include "toolkit/TextBlock.h"

namespace tundle {

TextBlock* StyledText::make(const QString& text, double points, const QColor& color,
                            FontWeight weight) {
    auto* block = new TextBlock(text);
    block->setFont(Typography::font(points, weight));
    block->setColor(color);
    return block;
}

TextBlock* StyledText::monospaced(const QString& text, double points, const QColor& color) {
    auto* block = new TextBlock(text);
    block->setFont(Typography::monospaced(points));
    block->setColor(color);
    return block;
}

}  // namespace tundle
