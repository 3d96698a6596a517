#pragma once

#include <QRectF>
#include <QString>
#include <optional>

#include "pet/BubbleText.h"

namespace tundle {

class AppModel;

// What the speech bubble says: its text, the detail line and up to two buttons.
struct BubbleContent {
    QString text;
    QString detail;
    std::optional<QString> action;
    std::optional<QString> secondary;

    bool operator==(const BubbleContent&) const = default;

    static BubbleContent of(const AppModel& model);
};

// The speech bubble measured for the width available; rectangles are relative to the bubble's
// own lower-left corner, in bottom-up points.
struct BubbleLayout {
    double width = 0;
    double height = 0;
    QRectF textRect;
    QRectF detailRect;
    QRectF actionRect;
    QRectF secondaryRect;

    BubbleLayout(const BubbleContent& content, double maxWidth,
                 const BubbleTextMeasure& measure = BubbleText::shared());

    // The height a text takes in `width`: its wrapped height with one more line for a text
    // that wraps, 2 points more for a single line; 0 for no text.
    static double textHeight(const QString& text, BubbleTextStyle style, double width,
                             const BubbleTextMeasure& measure);
    // The width of a button with this title; 0 without one.
    static double buttonWidth(const std::optional<QString>& title,
                              const BubbleTextMeasure& measure);
};

}  // namespace tundle
