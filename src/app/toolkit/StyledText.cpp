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

namespace {

TextBlock* keptWhole(TextBlock* block) {
    QSizePolicy policy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    block->setSizePolicy(policy);
    return block;
}

}  // namespace

TextBlock* StyledText::label(const QString& text, double points, const QColor& color,
                             FontWeight weight) {
    return keptWhole(make(text, points, color, weight));
}

TextBlock* StyledText::monospacedLabel(const QString& text, double points, const QColor& color) {
    return keptWhole(monospaced(text, points, color));
}

}  // namespace tundle
