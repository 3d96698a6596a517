#include "pet/BubbleLayout.h"

#include <algorithm>
#include <cmath>

#include "model/AppModel.h"

namespace tundle {

BubbleContent BubbleContent::of(const AppModel& model) {
    return {model.bubble(), model.bubbleDetail(), model.bubbleActionTitle(),
            model.bubbleSecondaryTitle()};
}

double BubbleLayout::textHeight(const QString& text, BubbleTextStyle style, double width,
                                const BubbleTextMeasure& measure) {
    if (text.isEmpty()) {
        return 0;
    }
    const double used = measure.usedHeight(text, style, width);
    const double line = measure.lineHeight(style);
    return line + 3 < used ? used + std::ceil(line) : used + 2;
}

double BubbleLayout::buttonWidth(const std::optional<QString>& title,
                                 const BubbleTextMeasure& measure) {
    if (!title) {
        return 0;
    }
    return std::max(measure.lineWidth(*title, BubbleTextStyle::detail) + 24, 72.0);
}

BubbleLayout::BubbleLayout(const BubbleContent& content, double maxWidth,
                           const BubbleTextMeasure& measure) {
    const double aw = buttonWidth(content.action, measure);
    const double sw = buttonWidth(content.secondary, measure);
    const double bw = aw + sw + (aw > 0 && sw > 0 ? 8 : 0);
    const double tw = measure.lineWidth(content.text, BubbleTextStyle::main);
    const double dw = measure.lineWidth(content.detail, BubbleTextStyle::detail);
    width = std::min(std::max(std::max({tw, dw, bw}) + 36, 100.0), maxWidth);
    const double inner = std::max(width - 36, 1.0);
    const double th = textHeight(content.text, BubbleTextStyle::main, inner, measure);
    const double dh = textHeight(content.detail, BubbleTextStyle::detail, inner, measure);
    const double h = th + 32 + (dh > 0 ? dh + 8 : 0);
    const double row = bw > 0 ? 27 : 0;
    height = bw > 0 ? h + 39 : h;
    textRect = QRectF(18, height - 16 - th, inner, th);
    detailRect = QRectF(18, textRect.top() - 8 - dh, inner, dh);
    actionRect = QRectF(18, 16, aw, row);
    secondaryRect = QRectF(18 + aw + (aw > 0 ? 8 : 0), 16, sw, row);
}

}  // namespace tundle
