#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <set>

#include "accessories/AccessoryButton.h"
#include "accessories/AccessoryRing.h"
#include "drawing/PixelArea.h"
#include "drawing/YUpSpace.h"
#include "model/FarmStore.h"
#include "pet/PetPanel.h"
#include "support/RunUntil.h"
#include "support/ShownPet.h"

namespace tundle {
namespace {

// A shown pet panel (farm hidden, no bubble) on a clock of the test's own, with the regions it
// publishes.
struct RegionWorld : test::ShownPet {
    PetCanvas& canvas = panel.canvas();
    QSignalSpy published{&canvas, &PetCanvas::interactiveRegionChanged};

    explicit RegionWorld(bool farmVisible = false) : ShownPet(farmVisible) {}

    const QRegion& region() const { return canvas.interactiveRegion(); }
    // The pixel under a bottom-up point.
    QPoint pixel(QPointF up) const {
        const QPointF qt = YUpSpace(canvas.height()).toQt(up);
        return {int(std::floor(qt.x())), int(std::floor(qt.y()))};
    }
    bool takes(QPointF up) const { return region().contains(pixel(up)); }
    bool covers(const QRectF& up) const { return upRect(up).subtracted(region()).isEmpty(); }
    QRegion upRect(const QRectF& rect) const {
        PixelArea area(canvas.height(), 1);
        area.addUp(rect);
        return area.region();
    }
};

TEST(PetCanvasRegionTest, TheRegionIsWhereTheCanvasAnswersInteractive) {
    RegionWorld w;
    w.model->say({.message = QStringLiteral("喝口水吧"),
                  .detail = QStringLiteral("已经一小时了"),
                  .actionTitle = QStringLiteral("好的"),
                  .secondaryTitle = QStringLiteral("稍后")});
    w.model->toggleShortcuts();
    w.canvas.tick();
    ASSERT_EQ(w.region(), w.canvas.interactivePixels());
    // Every third pixel of the canvas, across the pet, the bubble, the ring and the panel.
    for (int y = 0; y < w.canvas.height(); y += 3) {
        for (int x = y % 3; x < w.canvas.width(); x += 2) {
            ASSERT_EQ(w.region().contains(QPoint(x, y)), w.canvas.interactiveHit(QPointF(x, y)))
                << x << "," << y;
        }
    }
}

TEST(PetCanvasRegionTest, TheRegionFollowsTheFramesAndIsSentOnlyWhenItChanges) {
    RegionWorld w;
    const QRegion resting = w.region();
    EXPECT_FALSE(resting.isEmpty());
    EXPECT_TRUE(w.takes({297, 100}));
    EXPECT_FALSE(w.takes({172, 2}));

    // Nothing new: no region is sent.
    w.canvas.tick();
    w.canvas.tick();
    EXPECT_EQ(w.published.count(), 0);

    // A hop of twelve frames in a second: each new frame that moves the pet's outline sends its
    // region, the same frame twice sends nothing, and the region is always the one drawn now.
    w.model->play(QStringLiteral("jump"));
    w.now = w.model->animationStart();
    w.canvas.tick();
    int changes = 0;
    for (int step = 0; step < 11; ++step) {
        const QRegion before = w.region();
        const int sent = int(w.published.count());
        w.now = w.now.addMSecs(1000 / 12 + 1);
        w.canvas.tick();
        w.canvas.tick();
        EXPECT_EQ(w.region(), w.canvas.interactivePixels()) << step;
        EXPECT_EQ(w.published.count() - sent, w.region() != before ? 1 : 0) << step;
        changes += w.region() != before ? 1 : 0;
    }
    EXPECT_GE(changes, 4);
}

TEST(PetCanvasRegionTest, ARepeatedFrameGetsTheAreaOfWhatIsAroundItNow) {
    RegionWorld w;
    // Runs the pet for two seconds at its own pace: every frame shown twice or more, each time
    // with the area of what surrounds it now; `outlines`: how many different areas at least.
    const auto loop = [&w](const char* what, std::size_t outlines) {
        std::set<std::pair<int, int>> areas;
        for (int step = 0; step < 24; ++step) {
            w.now = w.now.addMSecs(1000 / 12 + 1);
            w.canvas.tick();
            ASSERT_EQ(w.region(), w.canvas.interactivePixels()) << what << " " << step;
            areas.insert({int(w.region().rectCount()), w.region().boundingRect().height()});
        }
        EXPECT_GE(areas.size(), outlines) << what;
    };
    loop("the idle pet", 2);
    w.model->toggleShortcuts();
    w.canvas.tick();
    loop("with the shortcut bubbles", 2);
    w.model->toggleShortcuts();
    w.canvas.setDraggingFile(true);
    w.canvas.tick();
    // The whole sprite takes files, whatever its frame.
    loop("with a file over the pet", 1);
}

TEST(PetCanvasRegionTest, TheRegionFollowsTheBubbleTheFarmTheScaleAndADrag) {
    RegionWorld w;
    const QRectF sprite = w.canvas.spriteRect();

    w.model->say({.message = QStringLiteral("你好"), .actionTitle = QStringLiteral("好的")});
    w.canvas.tick();
    const QRectF bubble = w.canvas.bubbleRect();
    EXPECT_TRUE(w.covers(bubble));
    EXPECT_EQ(w.published.count(), 1);
    w.model->dismissBubble();
    w.canvas.tick();
    EXPECT_FALSE(w.region().intersects(w.upRect(bubble)));

    w.farm.setVisible(true);
    w.canvas.tick();
    const QRectF farm = w.canvas.farmSceneRect();
    EXPECT_TRUE(w.covers(farm));
    w.farm.setVisible(false);
    w.canvas.tick();
    EXPECT_FALSE(w.takes({172, 2}));
    EXPECT_EQ(w.region(), w.canvas.interactivePixels());

    // A larger pet takes a larger outline.
    const QRect small = w.region().boundingRect();
    w.model->setPetScale(1.2);
    w.canvas.tick();
    EXPECT_GT(w.canvas.spriteRect().width(), sprite.width());
    EXPECT_GT(w.region().boundingRect().width(), small.width());
    EXPECT_EQ(w.region(), w.canvas.interactivePixels());

    // Files dragged over the canvas: the whole sprite counts until the drag ends.
    const QRectF grown = w.canvas.spriteRect();
    w.canvas.setDraggingFile(true);
    EXPECT_TRUE(w.covers(grown));
    w.canvas.setDraggingFile(false);
    EXPECT_FALSE(w.covers(grown));

    // A resize is always sent: the window's input area is set again at its new size.
    const int sent = int(w.published.count());
    w.panel.resize(444, 600);
    QCoreApplication::processEvents();
    EXPECT_GT(w.published.count(), sent);
    EXPECT_EQ(w.region(), w.canvas.interactivePixels());
}

TEST(PetCanvasRegionTest, TheLabelPillCountsOnceItIsOutPastItsThreshold) {
    RegionWorld w;
    AccessoryButton* button = w.canvas.accessoryRing()->buttons()[0];
    const QRect frame = button->geometry();
    // The pill's far end, well left of the artwork and its margin.
    const QPointF pillEnd(frame.x() + button->artworkArea().x() - 20,
                          w.canvas.height() - frame.bottom() - 1 + 28);
    EXPECT_FALSE(w.takes(pillEnd));

    button->track(button->artworkArea().center());
    bool sawThreshold = false;
    ASSERT_TRUE(test::runUntil([&] {
        // While the pill is in, the published region is the one of its reveal now.
        if (button->reveal() > AccessoryButton::pillHitReveal) {
            sawThreshold = true;
            EXPECT_EQ(w.region(), w.canvas.interactivePixels()) << button->reveal();
        } else {
            EXPECT_FALSE(w.takes(pillEnd)) << button->reveal();
        }
        return button->reveal() >= 1.0;
    }));
    EXPECT_TRUE(sawThreshold);
    EXPECT_TRUE(w.takes(pillEnd));

    button->track({-100, -100});
    ASSERT_TRUE(test::runUntil([&] { return button->reveal() == 0.0; }));
    EXPECT_FALSE(w.takes(pillEnd));
    EXPECT_EQ(w.region(), w.canvas.interactivePixels());
}

}  // namespace
}  // namespace tundle
