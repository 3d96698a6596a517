#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace tundle {

// The two text styles of the speech bubble: the main text (13 pt, medium) and the detail line
// and button titles (11 pt, regular). Both wrap at word boundaries, or anywhere inside a word
// too long for its line, with 3 pt between lines.
enum class BubbleTextStyle { main, detail };

// How the bubble's texts measure; the layout rule on top of it is tested with a stand-in.
class BubbleTextMeasure {
public:
    virtual ~BubbleTextMeasure() = default;
    // The width of the text on one line.
    virtual double lineWidth(const QString& text, BubbleTextStyle style) const = 0;
    // The height the wrapped text uses in `width`, rounded up to a whole point.
    virtual double usedHeight(const QString& text, BubbleTextStyle style, double width) const = 0;
    // The font's default line height.
    virtual double lineHeight(BubbleTextStyle style) const = 0;
};

// Measures and draws with the fonts the bubble is drawn in.
class BubbleText : public BubbleTextMeasure {
public:
    static constexpr double lineSpacing = 3;

    static QFont font(BubbleTextStyle style);
    static QColor color(BubbleTextStyle style);
    // The one measure everybody shares.
    static const BubbleText& shared();

    double lineWidth(const QString& text, BubbleTextStyle style) const override;
    double usedHeight(const QString& text, BubbleTextStyle style, double width) const override;
    double lineHeight(BubbleTextStyle style) const override;

    // Draws the text wrapped in `width` from `topLeft` downward (Qt's coordinates).
    static void draw(QPainter& painter, QPointF topLeft, double width, const QString& text,
                     BubbleTextStyle style);
};

}  // namespace tundle
