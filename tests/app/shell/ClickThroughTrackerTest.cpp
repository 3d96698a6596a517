#include <gtest/gtest.h>

#include <QTest>

#include "drawing/YUpSpace.h"
#include "model/FarmStore.h"
#include "pet/PetPanel.h"
#include "shell/ClickThroughTracker.h"
#include "support/ShownPet.h"

namespace tundle {
namespace {

struct FakeShape : InputShape {
    std::vector<QRegion> sent;
    void set(const QRegion& pixels) override { sent.push_back(pixels); }
};

// A shown pet panel at (100, 11) without bubble or farm, and a tracker following it.
// On a clock that stands still, so no frame of the pet's own sends a region between two looks.
struct TrackedPet : test::ShownPet {
    PetCanvas& canvas = panel.canvas();
    FakeShape shape;
    ClickThroughTracker tracker{canvas, shape};

    QPoint global(QPointF up) const {
        return canvas.mapToGlobal(YUpSpace(canvas.height()).toQt(up)).toPoint();
    }
};

TEST(ClickThroughTrackerTest, TheWindowTakesExactlyTheAreaTheCanvasPublishes) {
    TrackedPet t;
    t.tracker.start();
    ASSERT_EQ(t.shape.sent.size(), 1u);
    EXPECT_EQ(t.shape.sent.back(), t.canvas.interactiveRegion());
    EXPECT_FALSE(t.shape.sent.back().isEmpty());

    // A bubble comes and goes: each change is sent once, nothing while nothing changes.
    t.model->say({.message = QStringLiteral("你好")});
    t.canvas.tick();
    t.canvas.tick();
    ASSERT_EQ(t.shape.sent.size(), 2u);
    EXPECT_EQ(t.shape.sent.back(), t.canvas.interactivePixels());
    t.model->dismissBubble();
    t.canvas.tick();
    EXPECT_EQ(t.shape.sent.size(), 3u);
    EXPECT_EQ(t.shape.sent.back(), t.shape.sent.front());

    // Stopped, the tracker sends nothing more.
    t.tracker.stop();
    t.farm.setVisible(true);
    t.canvas.tick();
    EXPECT_EQ(t.shape.sent.size(), 3u);
}

TEST(ClickThroughTrackerTest, APressGoesToThePanelOnlyWhereItsShapeTakesIt) {
    TrackedPet t;
    t.tracker.start();
    EXPECT_TRUE(t.tracker.takesClickAt(t.global({297, 100})));
    EXPECT_FALSE(t.tracker.takesClickAt(t.global({172, 2})));
    EXPECT_FALSE(t.tracker.takesClickAt(QPoint(20, 20)));
    t.panel.hide();
    EXPECT_FALSE(t.tracker.takesClickAt(t.global({297, 100})));
}

}  // namespace
}  // namespace tundle
