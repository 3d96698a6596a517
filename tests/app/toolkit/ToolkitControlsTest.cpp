#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "toolkit/Colors.h"
#include "toolkit/LightPalette.h"
#include "toolkit/OrangeButton.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Paper.h"
#include "toolkit/SegmentedControl.h"
#include "toolkit/SoftButton.h"
#include "toolkit/Switch.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

TEST(ToolkitControlsTest, WindowsTakeTheLightPaletteWhateverTheDesktopsTheme) {
    QWidget window;
    QPalette dark;
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    window.setPalette(dark);
    LightPalette::apply(window);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_EQ(window.palette().color(group, QPalette::Window), Colors::canvas());
        EXPECT_EQ(window.palette().color(group, QPalette::WindowText), Colors::ink());
        EXPECT_EQ(window.palette().color(group, QPalette::Highlight), Colors::accent());
    }
    EXPECT_NE(window.palette().color(QPalette::Disabled, QPalette::Text), Colors::ink())
        << "disabled text reads as disabled";
    EXPECT_EQ(window.font().pixelSize(), 13);

    const QColor faded = Colors::withOpacity(Colors::accent(), 0.25);
    EXPECT_EQ(faded.rgb(), Colors::accent().rgb());
    EXPECT_NEAR(faded.alphaF(), 0.25, 1e-3);

    const QFont semibold = Typography::font(27, FontWeight::semibold);
    EXPECT_EQ(semibold.pixelSize(), 27);
    EXPECT_EQ(semibold.weight(), QFont::Bold);
    EXPECT_EQ(Typography::font(12, FontWeight::medium).weight(), QFont::Normal);
    EXPECT_EQ(Typography::monospaced(13).families().value(0), "Noto Sans Mono CJK SC");
    // A ticking counter keeps its width in the interface face.
    for (const QFont& counter :
         {Typography::counter(26, FontWeight::medium), Typography::counter(TextSize::control)}) {
        const QFontMetricsF metrics(counter);
        EXPECT_EQ(QFontInfo(counter).family(), "Noto Sans CJK SC");
        for (const QString digits : {"11:11", "00:00", "59:48", "23:07"}) {
            EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(digits),
                             metrics.horizontalAdvance(QStringLiteral("88:88")))
                << digits.toStdString();
        }
    }
    EXPECT_EQ(Typography::tracked(semibold, 2).letterSpacing(), 2);
}

TEST(ToolkitControlsTest, ButtonsFillByTheirPressedState) {
    OrangeButton orange(QStringLiteral("保存"));
    SoftButton soft(QStringLiteral("取消"));
    EXPECT_DOUBLE_EQ(orange.currentFill().alphaF(), 1.0);
    EXPECT_NEAR(soft.currentFill().alphaF(), 0.045, 1e-4);
    orange.setDown(true);
    soft.setDown(true);
    EXPECT_NEAR(orange.currentFill().alphaF(), 0.75, 1e-4);
    EXPECT_NEAR(soft.currentFill().alphaF(), 0.09, 1e-4);
    EXPECT_EQ(orange.currentFill().rgb(), Colors::accent().rgb());

    const QFontMetricsF metrics(Typography::font(13, FontWeight::semibold));
    EXPECT_EQ(orange.sizeHint().width(), qCeil(metrics.horizontalAdvance("保存") + 36));
    EXPECT_EQ(orange.sizeHint().height(), qCeil(metrics.height() + 22));
    const int plain = soft.sizeHint().width();
    soft.setSymbol(QStringLiteral("plus"));
    EXPECT_GT(soft.sizeHint().width(), plain) << "a symbol takes room before the text";

    SoftButton ampersand(QStringLiteral("A && B"));
    EXPECT_TRUE(ampersand.shortcut().isEmpty()) << "a doubled & is text, not a mnemonic";
}

TEST(ToolkitControlsTest, TheFocusRingShowsOnTheOrangeButton) {
    QWidget window;
    LightPalette::apply(window);
    auto* before = new SoftButton(QStringLiteral("取消"), &window);
    auto* orange = new OrangeButton(QStringLiteral("保存"), &window);
    orange->move(0, 60);
    window.resize(200, 120);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Light pixels on the button's left edge, halfway down, where its fill is plain accent.
    const auto lightAtEdge = [&] {
        const QImage picture = orange->grab().toImage();
        int light = 0;
        for (int x = 0; x < 6; ++x) {
            light += qGray(picture.pixel(x, picture.height() / 2)) > 200 ? 1 : 0;
        }
        return light;
    };
    EXPECT_EQ(lightAtEdge(), 0);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(orange->hasFocus());
    EXPECT_GT(lightAtEdge(), 0) << "the ring is set off the accent fill";
}

TEST(ToolkitControlsTest, HeadingAndPaperKeepTheirShape) {
    PageHeading bare(QStringLiteral("设置"));
    PageHeading full(QStringLiteral("设置"), QStringLiteral("调整糯墩的大小。"));
    EXPECT_EQ(bare.sizeHint().height(), bare.title().sizeHint().height())
        << "no gap for a missing subtitle";
    EXPECT_EQ(full.sizeHint().height(),
              full.title().sizeHint().height() + 8 + full.subtitle().sizeHint().height());
    full.setSubtitle({});
    EXPECT_TRUE(full.subtitle().isHidden());

    Paper paper(0);
    paper.resize(120, 60);
    QImage image(paper.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    paper.render(&image, {}, {}, QWidget::DrawChildren);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "rounded corner";
    const QRgb edge = image.pixel(60, 0);
    const QRgb inside = image.pixel(60, 30);
    EXPECT_GT(qAlpha(edge), 0);
    EXPECT_LT(qRed(edge), qRed(inside)) << "the faint outline darkens the edge";
    EXPECT_EQ(qAlpha(inside), qRound(0.83 * 255));
}

TEST(ToolkitControlsTest, TextWrapsAndNeverWidensItsPage) {
    TextBlock block(QString(16000, QLatin1Char('x')));
    block.setFont(Typography::font(12));
    EXPECT_LE(block.sizeHint().width(), 400);
    EXPECT_LT(block.minimumSizeHint().width(), 20);
    EXPECT_GT(block.layoutFor(200).lines.size(), 50) << "a word longer than the line breaks";

    TextBlock words(QStringLiteral("alpha beta gamma delta epsilon zeta eta theta"));
    words.setFont(Typography::font(12));
    const QFontMetricsF metrics(words.font());
    const double width = metrics.horizontalAdvance("alpha beta gamma") + 2;
    const TextBlock::Lines wrapped = words.layoutFor(width);
    ASSERT_GE(wrapped.lines.size(), 3);
    EXPECT_EQ(wrapped.lines[0].trimmed(), "alpha beta gamma");
    words.setLineSpacing(4);
    const TextBlock::Lines spaced = words.layoutFor(width);
    EXPECT_DOUBLE_EQ(spaced.height, wrapped.height + 4 * (wrapped.lines.size() - 1));

    const double part = metrics.horizontalAdvance("alpha beta ga") + 1;
    EXPECT_EQ(words.layoutFor(part).lines[0].trimmed(), "alpha beta");
    words.setWrap(TextBlock::Wrap::anywhere);
    EXPECT_EQ(words.layoutFor(part).lines[0], "alpha beta ga");

    words.setWrap(TextBlock::Wrap::words);
    words.setMaximumLines(2);
    const TextBlock::Lines limited = words.layoutFor(width);
    ASSERT_EQ(limited.lines.size(), 2);
    EXPECT_TRUE(limited.elided);
    EXPECT_TRUE(limited.lines[1].endsWith(QChar(0x2026)));
    EXPECT_LE(metrics.horizontalAdvance(limited.lines[1]), width);

    TextBlock lines(QStringLiteral("一\n二\n三"));
    EXPECT_EQ(lines.layoutFor(300).lines, (QStringList{"一", "二", "三"}));
}

TEST(ToolkitControlsTest, SwitchAndSegmentsReportOnlyTheUsersChoice) {
    Switch toggle;
    QSignalSpy clicked(&toggle, &QAbstractButton::clicked);
    toggle.resize(toggle.sizeHint());
    QTest::mouseClick(&toggle, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(toggle.isChecked());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_TRUE(clicked[0][0].toBool());

    SegmentedControl segments(
        {QStringLiteral("猫猫"), QStringLiteral("平衡"), QStringLiteral("农场")});
    segments.resize(segments.sizeHint());
    QSignalSpy activated(&segments, &SegmentedControl::activated);
    segments.setCurrentIndex(1);
    EXPECT_EQ(activated.count(), 0) << "following the model is silent";
    const int third = segments.width() * 5 / 6;
    QTest::mouseClick(&segments, Qt::LeftButton, {}, QPoint(third, segments.height() / 2));
    EXPECT_EQ(segments.currentIndex(), 2);
    QTest::keyClick(&segments, Qt::Key_Right);
    EXPECT_EQ(segments.currentIndex(), 2) << "nothing after the last";
    QTest::keyClick(&segments, Qt::Key_Left);
    EXPECT_EQ(segments.currentIndex(), 1);
    ASSERT_EQ(activated.count(), 2);
    EXPECT_EQ(activated[1][0].toInt(), 1);
    EXPECT_EQ(segments.segmentAt(QPointF(-5, 5)), -1);
}

}  // namespace tundle
