#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTest>

#include "controlcentre/OffWorkView.h"
#include "controlcentre/RestArtwork.h"
#include "support/ModelTestWorld.h"
#include "toolkit/PlainButton.h"

namespace tundle {
namespace {

using test::ModelTestWorld;

const QTimeZone berlin("Europe/Berlin");

QDateTime local(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), berlin).toUTC();
}

// 5000 periods across fifty dates: as many as a configuration may hold.
WorkPlan fullPlan() {
    WorkPlan plan{.weekdays = {2, 3, 4, 5, 6}, .dateOverrides = WorkPeriodTable{}};
    for (int day = 0; day < 50; ++day) {
        std::vector<WorkPeriod>& periods =
            (*plan.dateOverrides)[QDate(2026, 1, 1).addDays(day).toString(Qt::ISODate)];
        for (int index = 0; index < 100; ++index) {
            periods.push_back({.start = index * 14, .end = index * 14 + 10});
        }
    }
    return plan;
}

struct Rig {
    Rig() {
        view = std::make_unique<OffWorkView>(
            model->configuration(), [this] { return now; }, Calendar(berlin), QImage());
        view->resize(480, 90);
    }
    void store(const std::function<void(UserConfiguration&)>& change) {
        model->configuration().update(change);
    }

    ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    QDateTime now = local(2026, 3, 8, 23, 59, 30);
    std::unique_ptr<OffWorkView> view;
};

TEST(OffWorkViewTest, RunsItsTimerOnlyWhileShown) {
    Rig rig;
    EXPECT_FALSE(rig.view->timer().isActive());
    rig.view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.view.get()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.view->timer().isActive());
    EXPECT_EQ(rig.view->timer().interval(), 1000);
    rig.view->hide();
    EXPECT_FALSE(rig.view->timer().isActive());
}

TEST(OffWorkViewTest, FollowsTheClockPastMidnightAndTheStoreAtOnce) {
    Rig rig;
    OffWorkView& view = *rig.view;
    EXPECT_EQ(view.headlineLabel()->text(), "设置工作时段");
    EXPECT_FALSE(view.editButton()->symbol().isEmpty());
    EXPECT_EQ(view.editButton()->accessibleName(), "编辑工作时段");

    // Monday from midnight to 08:00; Sunday is a day off.
    rig.store([](UserConfiguration& configuration) {
        configuration.schedule.workPlan =
            WorkPlan{.periods = {{.start = 0, .end = 8 * 60}}, .weekdays = {2}};
    });
    EXPECT_EQ(view.state().form, OffWorkViewState::Form::resting) << "redrawn on the change";
    EXPECT_EQ(view.state().rest, RestKind::holiday);
    EXPECT_EQ(view.artwork()->row(), 0);
    QLabel* headline = view.headlineLabel();

    rig.now = local(2026, 3, 9, 0, 0, 30);
    view.tick();
    EXPECT_EQ(view.headlineLabel(), headline) << "updated in place";
    EXPECT_EQ(headline->text(), "距离下班还有 8 小时");
    EXPECT_EQ(view.captionLabel()->text(), "08:00 下班");

    rig.now = local(2026, 3, 9, 8, 30);
    view.tick();
    EXPECT_EQ(view.state().form, OffWorkViewState::Form::resting);
    EXPECT_EQ(view.state().rest, RestKind::evening) << "work is over for the day";
}

TEST(OffWorkViewTest, EachRestKindChoosesItsScene) {
    EXPECT_EQ(RestArtwork::rowFor(RestKind::evening), 0);
    EXPECT_EQ(RestArtwork::rowFor(RestKind::holiday), 0);
    EXPECT_EQ(RestArtwork::rowFor(RestKind::morning), 1);
    EXPECT_EQ(RestArtwork::rowFor(RestKind::midday), 2);

    const QSizeF artwork(1000, 2000);
    EXPECT_EQ(RestArtwork::sourceRect(artwork, 0), QRectF(40, 66, 300, 550));
    EXPECT_EQ(RestArtwork::sourceRect(artwork, 1), QRectF(40, 710, 300, 550))
        << "710 from the top is 740 from the bottom";
    EXPECT_EQ(RestArtwork::sourceRect(artwork, 2), QRectF(40, 1362, 300, 550));

    const QRectF target = RestArtwork::targetRect(QSizeF(160, 120), QSizeF(300, 550));
    EXPECT_NEAR(target.width(), 65.45, 0.01);
    EXPECT_DOUBLE_EQ(target.height(), 120);
    EXPECT_NEAR(target.x(), 47.27, 0.01);
    EXPECT_DOUBLE_EQ(target.y(), 0);
}

TEST(OffWorkViewTest, TheCanvasDrawsTheChosenSceneInsideItsRoundedBounds) {
    // Three scenes in three colours, stacked where the rows say.
    QImage artwork(1000, 2000, QImage::Format_ARGB32);
    artwork.fill(Qt::black);
    const QColor scenes[] = {Qt::red, Qt::green, Qt::blue};
    {
        QPainter painter(&artwork);
        for (int row = 0; row < 3; ++row) {
            painter.fillRect(RestArtwork::sourceRect(artwork.size(), row), scenes[row]);
        }
    }
    RestArtwork canvas(artwork);
    canvas.resize(160, 120);
    const std::pair<RestKind, QColor> kinds[] = {{RestKind::evening, Qt::red},
                                                 {RestKind::holiday, Qt::red},
                                                 {RestKind::morning, Qt::green},
                                                 {RestKind::midday, Qt::blue}};
    for (const auto& [kind, color] : kinds) {
        canvas.setKind(kind);
        QImage picture(canvas.size(), QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        canvas.render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());
        EXPECT_EQ(picture.pixelColor(80, 60), color) << int(kind);
        EXPECT_EQ(picture.pixelColor(20, 60).alpha(), 0) << "fitted, not stretched";
    }

    RestArtwork empty{QImage()};
    empty.resize(100, 70);
    QImage nothing(empty.size(), QImage::Format_ARGB32);
    nothing.fill(Qt::transparent);
    empty.render(&nothing, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_EQ(nothing.pixelColor(50, 35).alpha(), 0) << "no artwork, an empty space";
}

TEST(OffWorkViewTest, TheEditorWorksOnACopyAndASaveRetiresTheOlderTimes) {
    Rig rig;
    rig.store([](UserConfiguration& configuration) {
        configuration.schedule.legacyTimes = {{.hour = 18, .minute = 0},
                                              {.hour = 18, .minute = 30, .enabled = false}};
    });
    rig.view->show();
    rig.view->openEditor();
    ASSERT_TRUE(rig.view->editor());
    EXPECT_EQ(rig.view->editor()->plan(), OffWorkViewState::defaultPlan());
    rig.view->editor()->addButton()->click();
    rig.view->editor()->cancelButton()->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(rig.view->editor());
    EXPECT_FALSE(rig.model->configuration().value().schedule.workPlan) << "cancel writes nothing";

    rig.view->openEditor();
    EXPECT_EQ(rig.view->editor()->plan(), OffWorkViewState::defaultPlan()) << "a fresh copy";
    rig.view->editor()->addButton()->click();
    const WorkPlan edited = rig.view->editor()->plan();
    rig.view->editor()->saveButton()->click();
    const ScheduleConfiguration& stored = rig.model->configuration().value().schedule;
    EXPECT_EQ(stored.workPlan, edited);
    EXPECT_TRUE(stored.legacyTimes.empty()) << "retired in the same write";
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(rig.view->editor());
}

TEST(OffWorkViewTest, ARefusedPlanShowsTheSaveAlertAndLosesNothing) {
    Rig rig;
    const WorkPlan full = fullPlan();
    rig.store(
        [&full](UserConfiguration& configuration) { configuration.schedule.workPlan = full; });
    rig.view->show();
    rig.view->openEditor();
    WorkPlanEditor& editor = *rig.view->editor();
    editor.addButton()->click();
    const WorkPlan edited = editor.plan();
    ASSERT_EQ(edited.allPeriods().size(), 5001u);

    editor.saveButton()->click();
    EXPECT_EQ(rig.model->configuration().value().schedule.workPlan, full);
    EXPECT_EQ(rig.view->saveError(), "工作时段配置无效。");
    QMessageBox* alert = rig.view->saveAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->text(), "工作时段未保存");
    EXPECT_EQ(alert->informativeText(), "工作时段配置无效。");
    EXPECT_EQ(alert->parentWidget(), &editor) << "over the sheet";

    alert->buttons().first()->click();
    QApplication::processEvents();
    EXPECT_FALSE(rig.view->saveError());
    ASSERT_EQ(rig.view->editor(), &editor) << "the sheet stays open";
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.plan(), edited);
}

}  // namespace
}  // namespace tundle
