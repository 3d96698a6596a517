#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>

#include "config/ConfigurationPackage.h"
#include "support/ConfigurationError.h"
#include "support/ModelTestWorld.h"
#include "support/TemporaryHome.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

using test::ModelTestWorld;

// Files to feed, in a folder of the temporary home so they go to its Trash.
struct Meal {
    QTemporaryDir folder{QDir::homePath() + "/mealXXXXXX"};

    QList<QUrl> files(int count) const {
        QList<QUrl> urls;
        for (int i = 0; i < count; ++i) {
            const QString path = folder.filePath(QString("crumb-%1.txt").arg(i));
            test::writeAll(path, "crumb");
            urls << QUrl::fromLocalFile(path);
        }
        return urls;
    }
    static bool exists(const QUrl& url) { return QFileInfo::exists(url.toLocalFile()); }
};

struct Bubble {
    QString text;
    QString detail;
    std::optional<QString> action = {};
    std::optional<QString> secondary = {};
    bool operator==(const Bubble&) const = default;
};

Bubble bubbleOf(const AppModel& model) {
    return {model.bubble(), model.bubbleDetail(), model.bubbleActionTitle(),
            model.bubbleSecondaryTitle()};
}

const std::optional<QString> undo = QString("撤销这次");
const std::optional<QString> openTrash = QString("打开废纸篓");

TEST(AppModelFeedingTest, TheFileIsEatenDigestedAndGivenBack) {
    ModelTestWorld world;
    auto model = world.model();
    model->setSoundEnabled(true);
    Meal meal;
    const QList<QUrl> files = meal.files(1);
    EXPECT_TRUE(model->eatFiles(files));
    EXPECT_FALSE(Meal::exists(files[0]));
    EXPECT_EQ(model->filesEaten(), 1);
    EXPECT_TRUE(model->canUndoTrash());
    EXPECT_EQ(model->lastTrashSummary(), "1 个文件已移到系统废纸篓。");
    EXPECT_EQ(model->animation(), "eating");
    EXPECT_EQ(bubbleOf(*model),
              (Bubble{"啊呜，吃掉啦！", "1 个文件已移入废纸篓 · 正在消化", undo, openTrash}));

    world.sounds.log.clear();
    world.scheduler.advance(model->assets().duration("eating") - 0.01);
    EXPECT_EQ(model->bubble(), "啊呜，吃掉啦！");
    world.scheduler.advance(0.01);
    EXPECT_EQ(model->animation(), "poof");
    EXPECT_EQ(bubbleOf(*model),
              (Bubble{"噗～ 已经排进废纸篓。", "1 个文件已移到系统废纸篓。", undo, openTrash}));
    EXPECT_TRUE(world.sounds.log.contains("Purr"));
    model->pressBubbleSecondary();
    EXPECT_EQ(world.opener->opened,
              QStringList(QUrl::fromLocalFile(world.files.trashDirectory() + "/files").toString()));
    world.scheduler.advance(19.9);
    EXPECT_FALSE(model->bubble().isEmpty());
    world.scheduler.advance(0.1);
    EXPECT_TRUE(model->bubble().isEmpty());

    model->undoLastTrash();
    EXPECT_TRUE(Meal::exists(files[0]));
    EXPECT_EQ(bubbleOf(*model), (Bubble{"还给你，完好无损。", "已恢复 1 个文件到原位置"}));
    EXPECT_EQ(model->lastTrashSummary(), "已恢复 1 个文件。");
    EXPECT_FALSE(model->canUndoTrash());
    model->undoLastTrash();
    EXPECT_EQ(bubbleOf(*model), (Bubble{"没有待撤销的投喂。", ""}));
    world.scheduler.advance(5);
    EXPECT_TRUE(model->bubble().isEmpty());
}

TEST(AppModelFeedingTest, MealSizesAndRefusals) {
    ModelTestWorld world;
    auto model = world.model();
    Meal meal;
    const QString home = QDir::homePath();
    const QUrl homeFolder = QUrl::fromLocalFile(home);
    const QString refused = "为避免误操作，不能吞掉系统目录、用户主目录或废纸篓。";

    EXPECT_FALSE(model->eatFiles({}));
    EXPECT_EQ(model->bubble(), "你好呀，我是糯墩。");

    const QList<QUrl> tooMany = meal.files(33);
    EXPECT_FALSE(model->eatFiles(tooMany));
    EXPECT_TRUE(std::all_of(tooMany.begin(), tooMany.end(), Meal::exists));
    EXPECT_EQ(bubbleOf(*model), (Bubble{"这一口有点太大啦。", "一次最多投喂 32 个文件"}));
    world.scheduler.advance(8);
    EXPECT_TRUE(model->bubble().isEmpty());

    EXPECT_TRUE(model->eatFiles(tooMany.mid(0, 32)));
    EXPECT_EQ(model->bubbleDetail(), "32 个文件已移入废纸篓 · 正在消化");
    EXPECT_TRUE(Meal::exists(tooMany[32]));

    EXPECT_TRUE(model->eatFiles({tooMany[32], homeFolder}));
    EXPECT_EQ(model->bubbleDetail(), "1 个文件已移入废纸篓 · 正在消化");
    EXPECT_EQ(model->lastTrashSummary(), "1 个文件已移到系统废纸篓，另有 1 项未移动。");
    EXPECT_EQ(model->filesEaten(), 33);
    EXPECT_TRUE(QFileInfo(home).isDir());

    EXPECT_FALSE(model->eatFiles({homeFolder}));
    EXPECT_EQ(bubbleOf(*model), (Bubble{"这一口没吃进去。", refused}));
    EXPECT_EQ(model->lastTrashSummary(), refused);
    world.scheduler.advance(12);
    EXPECT_TRUE(model->bubble().isEmpty());

    // Each feeding is undone on its own, newest first.
    model->undoLastTrash();
    EXPECT_EQ(model->bubbleDetail(), "已恢复 1 个文件到原位置");
    EXPECT_TRUE(model->canUndoTrash());
    model->undoLastTrash();
    EXPECT_EQ(model->bubbleDetail(), "已恢复 32 个文件到原位置");
    EXPECT_TRUE(std::all_of(tooMany.begin(), tooMany.end(), Meal::exists));
    EXPECT_FALSE(model->canUndoTrash());
}

TEST(AppModelFeedingTest, AnOccupiedPlaceKeepsItsFileInTheTrash) {
    ModelTestWorld world;
    auto model = world.model();
    model->setReduceMotion(true);
    Meal meal;
    const QList<QUrl> files = meal.files(2);
    model->eatFiles(files);
    model->pressBubbleAction();
    EXPECT_EQ(model->bubble(), "还给你，完好无损。");
    model->pressBubbleAction();
    EXPECT_EQ(model->bubble(), "还给你，完好无损。");

    model->eatFiles(files);
    const Bubble receipt = bubbleOf(*model);
    test::writeAll(files[1].toLocalFile(), "someone else");
    model->pressBubbleAction();
    EXPECT_EQ(receipt,
              (Bubble{"文件已移到废纸篓。", "2 个文件已移到系统废纸篓。", undo, openTrash}));
    EXPECT_EQ(bubbleOf(*model),
              (Bubble{"还有文件没能恢复。",
                      "原位置已有同名项目，未覆盖。请先在文件管理器中处理同名项目。"}));
    EXPECT_EQ(model->lastTrashSummary(), "已恢复 1 个文件；1 项需要处理。");
    EXPECT_EQ(test::readAll(files[1].toLocalFile()), "someone else");
    EXPECT_TRUE(model->canUndoTrash());
    world.scheduler.advance(14.9);
    EXPECT_FALSE(model->bubble().isEmpty());
    world.scheduler.advance(0.1);
    EXPECT_TRUE(model->bubble().isEmpty());

    QFile::remove(files[1].toLocalFile());
    model->undoLastTrash();
    EXPECT_EQ(model->lastTrashSummary(), "已恢复 1 个文件。");
    EXPECT_EQ(test::readAll(files[1].toLocalFile()), "crumb");
    EXPECT_FALSE(model->canUndoTrash());
}

TEST(AppModelFeedingTest, AnInterruptedMealLeavesNoLateReceipt) {
    ModelTestWorld world;
    auto model = world.model();
    model->setSoundEnabled(true);
    Meal meal;
    const double eating = model->assets().duration("eating");

    // Clicked away: nothing follows, and the pet counts as busy until its next clip.
    model->eatFiles(meal.files(1));
    model->dismissBubble();
    world.sounds.log.clear();
    world.scheduler.advance(eating + 1);
    EXPECT_EQ(model->animation(), "idle");
    EXPECT_TRUE(model->bubble().isEmpty());
    EXPECT_FALSE(world.sounds.log.contains("Purr"));
    EXPECT_EQ(test::thrownMessage<ConfigurationError>(
                  [&] { model->importConfiguration(ConfigurationPackage(UserConfiguration{})); }),
              "请先结束当前互动或呼吸练习，再导入配置。");
    model->play("jump");
    EXPECT_TRUE(model->bubble().isEmpty());
    EXPECT_TRUE(model->canUndoTrash());

    // Undone while eating: the receipt shows for a moment, then the undo's own bubble.
    QStringList shown;
    QObject::connect(model.get(), &AppModel::bubbleChanged, [&] { shown << model->bubble(); });
    const QList<QUrl> files = meal.files(1);
    model->eatFiles(files);
    model->pressBubbleAction();
    EXPECT_EQ(shown, QStringList({"啊呜，吃掉啦！", "文件已移到废纸篓。", "还给你，完好无损。"}));
    EXPECT_TRUE(Meal::exists(files[0]));
    world.scheduler.advance(eating + 1);
    EXPECT_EQ(model->bubble(), "还给你，完好无损。");

    // Breathing starts: the meal ends in silence and stays undoable.
    model->eatFiles(meal.files(1));
    model->startBreathing();
    world.sounds.log.clear();
    world.scheduler.advance(eating + 1);
    EXPECT_TRUE(model->bubble().isEmpty());
    EXPECT_EQ(model->animation(), "idle");
    EXPECT_TRUE(world.sounds.log.isEmpty());
    EXPECT_TRUE(model->canUndoTrash());
}

TEST(AppModelFeedingTest, ReducedMotionAndTheDemonstration) {
    ModelTestWorld world;
    auto model = world.model();
    model->setSoundEnabled(true);
    model->setReduceMotion(true);
    world.sounds.log.clear();
    model->demonstrateTrash();
    EXPECT_EQ(bubbleOf(*model),
              (Bubble{"文件已移到废纸篓。", "演示文件已移到系统废纸篓。", undo, openTrash}));
    EXPECT_EQ(model->lastTrashSummary(), "演示文件已移到系统废纸篓。");
    EXPECT_EQ(model->animation(), "idle");
    world.scheduler.advance(20);
    EXPECT_TRUE(model->bubble().isEmpty());
    EXPECT_TRUE(world.sounds.log.isEmpty());

    const QString cache =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/pet-tundle";
    model->undoLastTrash();
    QDirIterator found(cache, {"糯墩的小饼干.txt"}, QDir::Files, QDirIterator::Subdirectories);
    ASSERT_TRUE(found.hasNext());
    const QString file = found.next();
    EXPECT_TRUE(QFileInfo(file).path().startsWith(cache + "/TundleDemo-"));
    EXPECT_EQ(test::readAll(file), "这是糯墩生成的演示文件，可以从废纸篓恢复。\n");

    QDir(cache).removeRecursively();
    test::writeAll(cache, "in the way");
    model->demonstrateTrash();
    EXPECT_EQ(model->bubble(), "演示文件没准备好。");
    EXPECT_FALSE(model->bubbleDetail().isEmpty());
    EXPECT_EQ(model->filesEaten(), 1);
    QFile::remove(cache);
}

}  // namespace
}  // namespace tundle
