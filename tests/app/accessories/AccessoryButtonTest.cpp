#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTest>

#include "accessories/AccessoryButton.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

// A shortcuts button of the canvas's size on a clock the test moves; A = (67, 6, 50, 46).
struct ButtonWorld {
    double now = 0;
    AccessoryButton button{PetAccessory::shortcuts, false, [this] { return now; }};
    ButtonWorld() { button.resize(126, 56); }
    // Moves the clock and lets the animation timer fire once.
    void at(double seconds) {
        now = seconds;
        QTest::qWait(40);
    }
};

TEST(AccessoryButtonTest, TheLabelPillTakesClicksOnlyOnceRevealed) {
    ButtonWorld w;
    const QPointF core(70, 28), leftOfCore(57, 28), belowCore(70, 2.5);
    EXPECT_TRUE(w.button.contains(core));
    EXPECT_TRUE(w.button.contains({65, 3}));
    EXPECT_FALSE(w.button.contains(belowCore));
    EXPECT_FALSE(w.button.contains(leftOfCore));

    w.button.track(core);
    // 1 − (1 − t)³ = 0.05 at t ≈ 0.017 of the 0.16 s.
    w.at(0.0027);
    EXPECT_NEAR(w.button.reveal(), 0.05, 0.005);
    EXPECT_FALSE(w.button.contains(leftOfCore));
    w.at(0.16);
    EXPECT_EQ(w.button.reveal(), 1);
    EXPECT_TRUE(w.button.contains(leftOfCore));
    EXPECT_TRUE(w.button.contains({67 + 6 - w.button.labelExtension(), 15}));
    EXPECT_FALSE(w.button.contains({67 + 6 - w.button.labelExtension() - 1, 28}));
    // Settled: no timer left running.
    EXPECT_FALSE(w.button.animating());
}

// The pill is measured in the application's own face, not the desktop's default font.
TEST(AccessoryButtonTest, TheLabelPillKeepsItsWidthWhateverTheDesktopFont) {
    const double ordinary = ButtonWorld().button.labelExtension();
    const QFont desktop = QGuiApplication::font();
    QFont wide(QStringLiteral("DejaVu Serif"));
    wide.setPixelSize(23);
    QGuiApplication::setFont(wide);
    const double withWideDefault = ButtonWorld().button.labelExtension();
    QGuiApplication::setFont(desktop);
    EXPECT_EQ(withWideDefault, ordinary);
    QFont face(QStringLiteral("Noto Sans CJK SC"));
    face.setPixelSize(12);
    face.setWeight(QFont::DemiBold);
    EXPECT_EQ(QFontInfo(face).family(), QStringLiteral("Noto Sans CJK SC"));
    // The label's width and 18 points of pill around it.
    EXPECT_EQ(ordinary, std::ceil(QFontMetricsF(face).horizontalAdvance(
                            petAccessoryLabel(PetAccessory::shortcuts))) +
                            18);
}

TEST(AccessoryButtonTest, TheLabelClosesAfterTheDelayUnlessTheMouseComesBack) {
    ButtonWorld w;
    w.button.track({70, 28});
    w.at(0.2);
    ASSERT_EQ(w.button.reveal(), 1);

    // Out for 0.1 s and back: still open, nothing pending.
    w.button.track({-100, -100});
    QTest::qWait(100);
    w.button.track({70, 28});
    QTest::qWait(150);
    EXPECT_TRUE(w.button.hovered());
    EXPECT_EQ(w.button.reveal(), 1);
    EXPECT_FALSE(w.button.animating());

    // Out for good: closing starts 0.18 s later and ends 0.16 s after that.
    QElapsedTimer out;
    out.start();
    w.button.track({-100, -100});
    ASSERT_TRUE(test::runUntil([&] { return !w.button.hovered(); }));
    EXPECT_GE(out.elapsed(), AccessoryButton::closeDelayMilliseconds);
    const double closing = w.now;
    w.at(closing + 0.08);
    EXPECT_GT(w.button.reveal(), 0);
    EXPECT_LT(w.button.reveal(), 1);
    w.at(closing + 0.17);
    EXPECT_EQ(w.button.reveal(), 0);
    EXPECT_FALSE(w.button.animating());
}

TEST(AccessoryButtonTest, ReducedMotionAndTheQaSwitchJump) {
    ButtonWorld w;
    w.button.setReduceMotion(true);
    w.button.track({70, 28});
    EXPECT_EQ(w.button.reveal(), 1);
    EXPECT_FALSE(w.button.animating());

    AccessoryButton revealed(PetAccessory::clipboard, true);
    revealed.resize(126, 56);
    revealed.track({-100, -100});
    EXPECT_EQ(revealed.reveal(), 1);
    EXPECT_FALSE(revealed.animating());
}

TEST(AccessoryButtonTest, AClickActsOnlyWhenReleasedInside) {
    ButtonWorld w;
    int actions = 0;
    w.button.action = [&actions] { ++actions; };
    w.button.show();
    // Qt's y-down: A's centre is (92, 27).
    QTest::mousePress(&w.button, Qt::LeftButton, {}, QPoint(92, 27));
    EXPECT_TRUE(w.button.pressed());
    QTest::mouseRelease(&w.button, Qt::LeftButton, {}, QPoint(5, 27));
    EXPECT_FALSE(w.button.pressed());
    EXPECT_EQ(actions, 0);
    QTest::mouseClick(&w.button, Qt::LeftButton, {}, QPoint(92, 27));
    EXPECT_EQ(actions, 1);
    w.button.press();
    EXPECT_EQ(actions, 2);
}

}  // namespace
}  // namespace tundle
