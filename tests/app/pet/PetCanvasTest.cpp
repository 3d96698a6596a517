#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "model/FarmStore.h"
#include "pet/PetPanel.h"
#include "pet/PetPreview.h"
#include "pet/YUpSpace.h"
#include "support/ModelTestWorld.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

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

TEST(PetCanvasTest, TheFirstVisibleTickPaintsAndGrowsThePanelUpward) {
    CanvasWorld w;
    PetPanel panel(*w.model, w.farm, w.clocks());
    panel.setGeometry(100, 80, 444, 500);
    int moves = 0;
    panel.canvas().onMoved = [&moves] { ++moves; };

    // Hidden: nothing at all.
    panel.canvas().tick();
    EXPECT_TRUE(panel.canvas().lastPaintKey().isEmpty());
    EXPECT_EQ(moves, 0);

    panel.show();
    panel.canvas().tick();
    EXPECT_FALSE(panel.canvas().lastPaintKey().isEmpty());
    // A short bubble leaves the pet's 254 pt and 315 pt above it; the bottom edge stays put.
    EXPECT_EQ(panel.geometry(), QRect(100, 11, 444, 569));
    EXPECT_EQ(moves, 1);
    panel.canvas().tick();
    EXPECT_EQ(moves, 1);

    // A tall bubble grows the panel upward; dismissing it shrinks it back.
    w.model->say(QString(300, u'长'), "细节", QStringLiteral("好的"), QStringLiteral("稍后"));
    QTest::qWait(1);
    panel.canvas().tick();
    const double bubble = panel.canvas().bubbleLayout().height;
    EXPECT_GT(bubble + 34, 315);
    EXPECT_EQ(panel.geometry().bottom(), 579);
    EXPECT_EQ(panel.geometry().height(), qRound(254 + bubble + 34));
    EXPECT_EQ(moves, 2);
    w.model->dismissBubble();
    panel.canvas().tick();
    EXPECT_EQ(panel.geometry(), QRect(100, 11, 444, 569));
    EXPECT_EQ(moves, 3);
}

TEST(PetCanvasTest, NothingChangedMeansNoRepaintButALayoutChangeForcesOne) {
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
    counter.paints = 0;
    w.model->setReduceMotion(true);
    ASSERT_TRUE(test::runUntil([&] { return counter.paints > 0; }));

    // A new pack revision repaints though nothing else changed.
    counter.paints = 0;
    w.model->refreshContentAssets();
    panel.canvas().tick();
    EXPECT_NE(panel.canvas().lastPaintKey(), key);
}

TEST(PetCanvasTest, TheRoomClockRunsOnUptimeOnlyWhileTheFarmShows) {
    CanvasWorld w;
    PetPanel panel(*w.model, w.farm, w.clocks());
    panel.canvas().tick();
    EXPECT_FALSE(w.model->room().isVisible());
    panel.show();
    panel.canvas().tick();
    EXPECT_FALSE(w.model->room().isVisible());

    w.farm.setVisible(true);
    w.world.scheduler.advance(30);
    panel.canvas().tick();
    EXPECT_TRUE(w.model->room().isVisible());
    EXPECT_EQ(w.model->room().now(), w.world.scheduler.now());

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
        room.mode = RoomMode::fixed;
        room.fixedWeather = RoomWeather::storm;
        room.fixedPhase = RoomPhase::night;
    });
    panel.canvas().tick();
    EXPECT_TRUE(panel.canvas().lastPaintKey().contains("|storm|night|"));
}

TEST(PetCanvasTest, AnswersWhereThePanelTakesClicks) {
    CanvasWorld w;
    PetPanel panel(*w.model, w.farm, w.clocks());
    panel.setGeometry(100, 11, 444, 569);
    panel.show();
    PetCanvas& canvas = panel.canvas();
    const YUpSpace space(canvas.height());
    const auto hit = [&](QPointF up) { return canvas.interactiveHit(space.toQt(up)); };

    EXPECT_TRUE(hit(canvas.bubbleRect().center()));
    EXPECT_TRUE(hit({297, 100}));
    EXPECT_FALSE(hit({172, 2}));
    EXPECT_FALSE(hit({20, 20}));
    // The bubble's top edge is outside, its bottom edge inside.
    const QRectF bubble = canvas.bubbleRect();
    EXPECT_TRUE(hit({bubble.center().x(), bubble.y()}));
    EXPECT_FALSE(hit({bubble.center().x(), bubble.y() + bubble.height()}));

    w.model->dismissBubble();
    EXPECT_FALSE(hit(bubble.center()));
    w.farm.setVisible(true);
    EXPECT_TRUE(hit({172, 2}));
}

TEST(PetCanvasTest, ThePreviewNeverResizesAndShowsNoBubbleWithoutWidth) {
    CanvasWorld w(true);
    PetPreview preview(*w.model, w.farm);
    preview.resize(400, 600);
    preview.show();
    PetCanvas& canvas = preview.canvas();
    canvas.tick();
    EXPECT_EQ(preview.size(), QSize(400, 600));
    EXPECT_EQ(canvas.spriteRect(), QRectF(52, 60, 260, 260));
    EXPECT_TRUE(canvas.farmSceneRect().isNull());
    EXPECT_EQ(canvas.bubbleRect().y(), 332);
    ASSERT_TRUE(canvas.scene().bubble);

    preview.resize(15, 600);
    EXPECT_FALSE(canvas.bubbleShown());
    EXPECT_FALSE(canvas.scene().bubble);
    w.model->toggleShortcuts();
    preview.resize(400, 600);
    EXPECT_FALSE(canvas.scene().bubble);
}

TEST(PetCanvasTest, LoadsTheRoomImagesOncePerSceneFolder) {
    CanvasWorld w;
    PetPanel panel(*w.model, w.farm, w.clocks());
    panel.canvas().loadRoomImagesIfNeeded();
    EXPECT_TRUE(panel.canvas().roomImages().empty());

    QTemporaryDir first;
    QTemporaryDir second;
    QImage image(8, 12, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    for (const char* name : {"base.png", "sunny.png"}) {
        image.save(QDir(first.path()).filePath(name));
    }
    image.save(QDir(second.path()).filePath("base.png"));
    const RoomSceneDefinition scene{.title = "小屋",
                                    .width = 8,
                                    .height = 12,
                                    .base = "base.png",
                                    .sunny = "sunny.png",
                                    .night = "dark.png"};
    w.model->room().installScene(first.path(), scene);
    panel.canvas().loadRoomImagesIfNeeded();
    const auto names = [&] {
        QStringList loaded;
        for (const auto& [name, picture] : panel.canvas().roomImages()) {
            loaded << name;
        }
        return loaded;
    };
    EXPECT_EQ(names(), QStringList({"base.png", "sunny.png"}));
    QFile::remove(QDir(first.path()).filePath("sunny.png"));
    panel.canvas().loadRoomImagesIfNeeded();
    EXPECT_EQ(names(), QStringList({"base.png", "sunny.png"}));
    w.model->room().installScene(second.path(), scene);
    panel.canvas().loadRoomImagesIfNeeded();
    EXPECT_EQ(names(), QStringList({"base.png"}));
}

}  // namespace
}  // namespace tundle
