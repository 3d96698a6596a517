#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "accessories/AccessoryButton.h"
#include "accessories/AccessoryRing.h"
#include "drawing/YUpSpace.h"
#include "model/FarmStore.h"
#include "pet/PetPanel.h"
#include "pet/PetPreview.h"
#include "support/ModelTestWorld.h"
#include "support/PaintCounter.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

using test::PaintCounter;

// A model, a farm and clocks that move only when the test moves them.
struct CanvasWorld {
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    MemoryDefaults farmDefaults;
    FarmStore farm{farmDefaults};
    QDateTime now = world.scheduler.now();
    qint64 uptime = 1'000'000;

    explicit CanvasWorld(bool farmVisible = false) { farm.setVisible(farmVisible); }
    PetClocks clocks() {
        return {[this] { return now; }, [this] { return uptime; }};
    }
};

TEST(PetCanvasTest, TheHoverSwitchOfTheModelsWorldKeepsTheLabelsOut) {
    for (const bool hover : {false, true}) {
        test::ModelTestWorld world;
        world.qa.hover = hover;
        const std::unique_ptr<AppModel> model = world.model();
        MemoryDefaults farmDefaults;
        FarmStore farm(farmDefaults);
        PetPanel panel(*model, farm);
        AccessoryRing* ring = panel.canvas().accessoryRing();
        ASSERT_TRUE(ring && !ring->buttons().empty());
        AccessoryButton* button = ring->buttons().front();
        button->track({-500, -500});
        EXPECT_EQ(button->reveal(), hover ? 1.0 : 0.0) << hover;
    }
}

TEST(PetCanvasTest, TheFirstVisibleTickPaintsAndGrowsThePanelUpward) {
    CanvasWorld w;
    PetPanel panel(*w.model, w.farm, w.clocks());
    PetCanvas& canvas = panel.canvas();
    panel.setGeometry(100, 80, 444, 500);
    int moves = 0;
    canvas.onMoved = [&moves] { ++moves; };
    canvas.tick();
    EXPECT_TRUE(canvas.lastPaintKey().isEmpty());
    panel.show();
    canvas.tick();
    // A short bubble leaves 315 pt above the pet's 254; the bottom edge stays put.
    EXPECT_EQ(panel.geometry(), QRect(100, 11, 444, 569));
    EXPECT_EQ(moves, 1);
    EXPECT_FALSE(w.model->room().isVisible());

    // Clicks are taken on the bubble (half-open) and the pet's opaque pixels, or the farm.
    const YUpSpace space(canvas.height());
    const auto hit = [&](QPointF up) { return canvas.interactiveHit(space.toQt(up)); };
    const QRectF bubble = canvas.bubbleRect();
    EXPECT_TRUE(hit({bubble.center().x(), bubble.y()}));
    EXPECT_FALSE(hit({bubble.center().x(), bubble.y() + bubble.height()}));
    EXPECT_TRUE(hit({297, 100}));
    EXPECT_FALSE(hit({172, 2}));

    // A tall bubble grows the panel upward; dismissing it shrinks it back.
    w.model->say({.message = QString(300, u'长'),
                  .detail = "细节",
                  .actionTitle = QStringLiteral("好的"),
                  .secondaryTitle = QStringLiteral("稍后")});
    canvas.tick();
    const int tall = qRound(254 + canvas.bubbleLayout().height + 34);
    EXPECT_EQ(panel.geometry(), QRect(100, 580 - tall, 444, tall));
    w.model->dismissBubble();
    canvas.tick();
    EXPECT_EQ(panel.geometry(), QRect(100, 11, 444, 569));
    EXPECT_EQ(moves, 3);
    EXPECT_FALSE(hit(bubble.center()));
    w.farm.setVisible(true);
    EXPECT_TRUE(hit({172, 2}));
}

TEST(PetCanvasTest, RepaintsOnlyForChangesAndRunsTheRoomClockOnUptime) {
    CanvasWorld w(true);
    PetPanel panel(*w.model, w.farm, w.clocks());
    PaintCounter counter;
    panel.canvas().installEventFilter(&counter);
    panel.setGeometry(100, 11, 444, 569);
    panel.show();
    ASSERT_TRUE(test::runUntil([&] { return counter.paints > 0; }));
    QTest::qWait(100);
    counter.paints = 0;
    QTest::qWait(2000);
    EXPECT_EQ(counter.paints, 0);

    // The scale, the function panel and reduced motion are not in the key, yet repaint.
    const QString key = panel.canvas().lastPaintKey();
    w.model->setPetScale(1.2);
    ASSERT_TRUE(test::runUntil([&] { return counter.paints > 0; }));
    EXPECT_EQ(panel.canvas().lastPaintKey(), key);

    // A new pack revision repaints though nothing else changed.
    w.model->refreshContentAssets();
    panel.canvas().tick();
    EXPECT_NE(panel.canvas().lastPaintKey(), key);

    // With the farm shown the room clock runs, at once and then every 60 s of uptime.
    EXPECT_TRUE(w.model->room().isVisible());

    // Setting the wall clock back does not stall the minute clock; only uptime counts.
    w.now = w.now.addDays(-1);
    w.world.scheduler.advance(30);
    w.uptime += 59'999;
    panel.canvas().tick();
    EXPECT_NE(w.model->room().now(), w.world.scheduler.now());
    w.uptime += 1;
    panel.canvas().tick();
    EXPECT_EQ(w.model->room().now(), w.world.scheduler.now());

    // A change of the room shows at the next tick.
    w.model->room().update([](RoomPreferences& room) {
        room.fixedWeather = RoomWeather::storm;
        room.mode = RoomMode::fixed;
    });
    panel.canvas().tick();
    EXPECT_TRUE(panel.canvas().lastPaintKey().contains("|storm|"));
}

TEST(PetCanvasTest, ThePreviewNeverResizesShowsNoBubbleWithoutWidthAndLoadsRoomImages) {
    CanvasWorld w(true);
    PetPreview preview(*w.model, w.farm);
    preview.resize(400, 600);
    preview.show();
    PetCanvas& canvas = preview.canvas();
    canvas.tick();
    EXPECT_EQ(preview.size(), QSize(400, 600));
    EXPECT_EQ(canvas.bubbleRect().y(), 60 + 260 + 12);
    ASSERT_TRUE(canvas.scene().bubble);
    preview.resize(15, 600);
    EXPECT_FALSE(canvas.scene().bubble);
    w.model->toggleShortcuts();
    preview.resize(400, 600);
    EXPECT_FALSE(canvas.scene().bubble);

    // The room's images are loaded once per scene folder.
    QTemporaryDir first;
    QTemporaryDir second;
    QImage image(8, 12, QImage::Format_RGB32);
    for (const QString& path :
         {first.filePath("base.png"), first.filePath("sunny.png"), second.filePath("base.png")}) {
        image.save(path);
    }
    const RoomSceneDefinition scene{
        .width = 8, .height = 12, .base = "base.png", .sunny = "sunny.png", .night = "dark.png"};
    const auto loadedFrom = [&](const std::optional<QString>& folder) {
        w.model->room().installScene(folder, scene);
        canvas.loadRoomImagesIfNeeded();
        QStringList names;
        for (const auto& entry : canvas.roomImages()) {
            names << entry.first;
        }
        return names;
    };
    // Without a scene of its own the room shows the built-in one.
    QStringList builtIn = RoomSceneDefinition::load(QDir(TUNDLE_GENERATED_ASSETS).filePath("Rooms"))
                              .imageNames()
                              .values();
    builtIn.sort();
    EXPECT_EQ(loadedFrom(std::nullopt), builtIn);
    EXPECT_EQ(loadedFrom(first.path()), QStringList({"base.png", "sunny.png"}));
    QFile::remove(first.filePath("sunny.png"));
    EXPECT_EQ(loadedFrom(first.path()), QStringList({"base.png", "sunny.png"}));
    EXPECT_EQ(loadedFrom(second.path()), QStringList({"base.png"}));
}

}  // namespace
}  // namespace tundle
