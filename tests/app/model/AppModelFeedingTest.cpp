#include <gtest/gtest.h>

#include <QDirIterator>
#include <QStandardPaths>

#include "config/ConfigurationPackage.h"
#include "support/ModelTestWorld.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

// Files to feed, in a folder of the temporary home so they go to its Trash.
struct Meal {
    QTemporaryDir folder{QDir::homePath() + "/mealXXXXXX"};
    int made = 0;

    QList<QUrl> files(int count) {
        QList<QUrl> urls;
        for (int end = made + count; made < end; ++made) {
            urls << QUrl::fromLocalFile(folder.filePath(QString("crumb-%1").arg(made)));
            test::writeAll(urls.back().toLocalFile(), "crumb");
        }
        return urls;
    }
    static bool exists(const QUrl& url) { return QFileInfo::exists(url.toLocalFile()); }
};

// The bubble as "text|detail", with "|buttons" when it has the receipt's buttons.
QString bubbleOf(const AppModel& model) {
    const bool receipt =
        model.bubbleActionTitle() == "撤销这次" && model.bubbleSecondaryTitle() == "打开废纸篓";
    return model.bubble() + "|" + model.bubbleDetail() + (receipt ? "|buttons" : "");
}

// Whether the bubble goes away exactly `seconds` from now.
bool lastsFor(test::ModelTestWorld& world, const AppModel& model, double seconds) {
    world.scheduler.advance(seconds - 0.01);
    const bool up = !model.bubble().isEmpty();
    world.scheduler.advance(0.01);
    return up && model.bubble().isEmpty();
}

TEST(AppModelFeedingTest, EatenDigestedAndGivenBack) {
    test::ModelTestWorld world;
    auto model = world.model();
    model->setSoundEnabled(true);
    Meal meal;
    const QList<QUrl> files = meal.files(1);
    EXPECT_TRUE(model->eatFiles(files));
    EXPECT_FALSE(Meal::exists(files[0]));
    EXPECT_EQ(model->animation(), "eating");
    EXPECT_EQ(bubbleOf(*model), "啊呜，吃掉啦！|1 个文件已移入废纸篓 · 正在消化|buttons");
    world.sounds.log.clear();
    world.scheduler.advance(model->assets().duration("eating"));
    EXPECT_EQ(model->animation(), "poof");
    EXPECT_EQ(world.sounds.log.last(), "Purr");
    EXPECT_EQ(bubbleOf(*model), "噗～ 已经排进废纸篓。|1 个文件已移到系统废纸篓。|buttons");
    model->pressBubbleSecondary();
    EXPECT_EQ(world.opener->opened.last(),
              QUrl::fromLocalFile(world.files.trashDirectory() + "/files").toString());
    EXPECT_TRUE(lastsFor(world, *model, 20));

    const std::pair<QString, int> undos[] = {{"还给你，完好无损。|已恢复 1 个文件到原位置", 8},
                                             {"没有待撤销的投喂。|", 5}};
    for (const auto& [bubble, seconds] : undos) {
        model->undoLastTrash();
        EXPECT_EQ(bubbleOf(*model), bubble);
        EXPECT_TRUE(lastsFor(world, *model, seconds));
    }
    EXPECT_TRUE(Meal::exists(files[0]));
    EXPECT_EQ(model->lastTrashSummary(), "已恢复 1 个文件。");
    EXPECT_FALSE(model->canUndoTrash());
}

TEST(AppModelFeedingTest, MealSizesRefusalsAndOccupiedPlaces) {
    test::ModelTestWorld world;
    auto model = world.model();
    model->setReduceMotion(true);
    Meal meal;
    const QList<QUrl> many = meal.files(33);
    const QUrl home = QUrl::fromLocalFile(QDir::homePath());
    const QString refused = "为避免误操作，不能吞掉系统目录、用户主目录或废纸篓。";
    const std::tuple<QList<QUrl>, bool, QString, int> meals[] = {
        {many, false, "这一口有点太大啦。|一次最多投喂 32 个文件", 8},
        {{home}, false, "这一口没吃进去。|" + refused, 12},
        {many.mid(0, 32), true, "文件已移到废纸篓。|32 个文件已移到系统废纸篓。|buttons", 20},
        {{many[32], home},
         true,
         "文件已移到废纸篓。|1 个文件已移到系统废纸篓，另有 1 项未移动。|buttons",
         20}};
    for (const auto& [urls, eaten, bubble, seconds] : meals) {
        EXPECT_EQ(model->eatFiles(urls), eaten);
        EXPECT_EQ(bubbleOf(*model), bubble);
        EXPECT_TRUE(lastsFor(world, *model, seconds)) << bubble.toStdString();
    }
    EXPECT_EQ(model->filesEaten(), 33);
    EXPECT_TRUE(QFileInfo(home.toLocalFile()).isDir());

    // The newest feeding is undone first, and every one on its own.
    test::writeAll(many[1].toLocalFile(), "someone else");
    model->undoLastTrash();
    model->undoLastTrash();
    EXPECT_EQ(bubbleOf(*model),
              "还有文件没能恢复。|原位置已有同名项目，未覆盖。请先在文件管理器中处理同名项目。");
    EXPECT_TRUE(lastsFor(world, *model, 15));
    EXPECT_EQ(model->lastTrashSummary(), "已恢复 31 个文件；1 项需要处理。");
    EXPECT_EQ(test::readAll(many[1].toLocalFile()), "someone else");
    EXPECT_TRUE(model->canUndoTrash());
    // Put back by other means while its receipt is still up.
    EXPECT_TRUE(model->eatFiles(meal.files(1)));
    model->trash().undo(model->trash().receipts().front());
    model->pressBubbleAction();
    EXPECT_EQ(bubbleOf(*model), "这次投喂已经撤销。|");
}

TEST(AppModelFeedingTest, AnInterruptedMealLeavesNoLateReceipt) {
    test::ModelTestWorld world;
    auto model = world.model();
    model->setSoundEnabled(true);
    Meal meal;
    QStringList shown;
    QObject::connect(model.get(), &AppModel::bubbleChanged, [&] { shown << model->bubble(); });
    const std::function<void()> interruptions[] = {[&] { model->dismissBubble(); },
                                                   [&] { model->pressBubbleAction(); },
                                                   [&] { model->startBreathing(); }};
    for (const auto& interrupt : interruptions) {
        model->eatFiles(meal.files(1));
        interrupt();
        shown.clear();
        world.sounds.log.clear();
        world.scheduler.advance(5);
        EXPECT_TRUE(shown.isEmpty() && !world.sounds.log.contains("Purr"))
            << shown.join(",").toStdString();
    }
    // Clicked away, the meal keeps the pet busy until its next clip; undone, the receipt shows
    // for a moment before the undo's own bubble.
    model->resetBreathing();
    model->eatFiles(meal.files(1));
    model->dismissBubble();
    EXPECT_THROW(model->importConfiguration(ConfigurationPackage(UserConfiguration{})),
                 std::exception);
    model->play("jump");
    model->eatFiles(meal.files(1));
    shown.clear();
    model->pressBubbleAction();
    EXPECT_EQ(shown, QStringList({"文件已移到废纸篓。", "还给你，完好无损。"}));
    EXPECT_TRUE(model->canUndoTrash());
}

TEST(AppModelFeedingTest, TheDemonstration) {
    test::ModelTestWorld world;
    auto model = world.model();
    const QString cache =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/pet-tundle";
    model->demonstrateTrash();
    EXPECT_EQ(model->lastTrashSummary(), "演示文件已移到系统废纸篓。");
    model->undoLastTrash();
    QDirIterator found(cache + "/", {"糯墩的小饼干.txt"}, QDir::Files,
                       QDirIterator::Subdirectories);
    ASSERT_TRUE(found.hasNext());
    EXPECT_TRUE(found.next().startsWith(cache + "/TundleDemo-"));
    EXPECT_EQ(test::readAll(found.filePath()), "这是糯墩生成的演示文件，可以从废纸篓恢复。\n");

    QDir(cache).removeRecursively();
    test::writeAll(cache, "in the way");
    model->demonstrateTrash();
    EXPECT_TRUE(bubbleOf(*model).startsWith("演示文件没准备好。|无法"));
    EXPECT_TRUE(lastsFor(world, *model, 12));
    QFile::remove(cache);
}

}  // namespace
}  // namespace tundle
