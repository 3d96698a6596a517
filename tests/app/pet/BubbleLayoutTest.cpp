#include <gtest/gtest.h>

#include <QFontInfo>
#include <cmath>

#include "pet/BubbleLayout.h"

namespace tundle {
namespace {

// Every character 10 pt wide in the main style and 6 pt in the detail style; lines 18 and
// 15 pt high, 3 pt apart.
struct FakeMeasure : BubbleTextMeasure {
    double lineWidth(const QString& text, BubbleTextStyle style) const override {
        return text.size() * (style == BubbleTextStyle::main ? 10 : 6);
    }
    double usedHeight(const QString& text, BubbleTextStyle style, double width) const override {
        const double lines = std::ceil(lineWidth(text, style) / width);
        return lines * lineHeight(style) + (lines - 1) * 3;
    }
    double lineHeight(BubbleTextStyle style) const override {
        return style == BubbleTextStyle::main ? 18 : 15;
    }
};

TEST(BubbleLayoutTest, MeasuresTextsAndButtonsByTheRule) {
    const FakeMeasure fake;
    // Text, detail, action and secondary rectangles, all at a maximum width of 300.
    using Rects = std::array<QRectF, 4>;
    const struct {
        BubbleContent content;
        QSizeF size;
        Rects rects;
    } cases[] = {
        // One character: the narrowest bubble, 32 pt more than its single line.
        {{"嗯", "", {}, {}},
         {100, 52},
         Rects{{{18, 16, 64, 20}, {18, 8, 64, 0}, {18, 16, 0, 0}, {18, 16, 0, 0}}}},
        // One button: no gap, an empty secondary rectangle; the row adds 39.
        {{"嗯", "", "好", {}},
         {108, 91},
         Rects{{{18, 55, 72, 20}, {18, 47, 72, 0}, {18, 16, 72, 27}, {98, 16, 0, 27}}}},
        // Two buttons 8 apart, the second sized by its title.
        {{"嗯", "", "稍后提醒我", "12345678901234"},
         {224, 91},
         Rects{{{18, 55, 188, 20}, {18, 47, 188, 0}, {18, 16, 72, 27}, {98, 16, 108, 27}}}},
        // A long text wraps and gains one more line; the detail goes under it.
        {{QString(50, u'字'), "细节", {}, {}},
         {300, 114},
         Rects{{{18, 41, 264, 57}, {18, 16, 264, 17}, {18, 16, 0, 0}, {18, 16, 0, 0}}}},
    };
    for (const auto& row : cases) {
        const BubbleLayout layout(row.content, 300, fake);
        EXPECT_EQ(QSizeF(layout.width, layout.height), row.size) << row.content.text.size();
        EXPECT_EQ(
            Rects({layout.textRect, layout.detailRect, layout.actionRect, layout.secondaryRect}),
            row.rects);
    }
    EXPECT_EQ(BubbleLayout::textHeight("", BubbleTextStyle::main, 100, fake), 0);
    // Without room the inner width stays 1 point.
    EXPECT_EQ(BubbleLayout({"嗯", "", {}, {}}, 20, fake).textRect.width(), 1);
}

TEST(BubbleLayoutTest, MeasuresWithTheRealChineseFont) {
    const BubbleText& measure = BubbleText::shared();
    EXPECT_EQ(QFontInfo(BubbleText::font(BubbleTextStyle::main)).family(), "Noto Sans CJK SC");

    // Full-width characters are one em wide: 9 × 13 for the greeting.
    const BubbleLayout greeting({"你好呀，我是糯墩。", "拖动我找个舒服的位置", {}, {}}, 400);
    EXPECT_NEAR(greeting.width, 9 * 13 + 36, 0.5);
    const double line = measure.lineHeight(BubbleTextStyle::main);
    EXPECT_TRUE(line > 16 && line < 22) << line;
    EXPECT_EQ(greeting.textRect.height(), std::ceil(line) + 2);

    // 30 characters at 12 to a line make three lines, plus one more line height.
    const BubbleLayout wrapped({QString(30, u'字'), "", {}, {}}, 200);
    EXPECT_EQ(wrapped.width, 200);
    EXPECT_NEAR(wrapped.textRect.height(), 3 * line + 6 + std::ceil(line), 1.5);

    // Words wrap whole where they can, and anywhere when a word is longer than the line.
    const double oneLine = measure.usedHeight("hello", BubbleTextStyle::main, 60);
    EXPECT_GT(measure.usedHeight("hello world", BubbleTextStyle::main, 60), oneLine);
    EXPECT_GT(measure.usedHeight(QString(30, u'a'), BubbleTextStyle::main, 60), 2 * oneLine);
}

}  // namespace
}  // namespace tundle
