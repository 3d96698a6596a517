#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "support/ModelTestWorld.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

// Where the pet stands, where the walk under way began and where it goes ("-" for none), and
// the label, as "4 - - 松土完成|选择种子开始种植".
QString stageOf(const AppModel& model) {
    const auto plot = [](std::optional<int> at) { return at ? QString::number(*at) : "-"; };
    const std::optional<FarmFeedback>& label = model.farmFeedback();
    return QStringList{plot(model.farmPetPlot()), plot(model.farmMoveFromPlot()),
                       plot(model.farmMoveToPlot()),
                       label ? label->title + "|" + label->detail : ""}
        .join(' ');
}

TEST(AppModelFarmTest, ThePetWalksOverAndWorksThePlot) {
    test::ModelTestWorld world;
    auto model = world.model();
    model->farm().loosen(2);
    model->farm().sow(FarmCrop::corn, 2, world.scheduler.now().addSecs(-1800));
    model->loosenFarmPlot(4);
    EXPECT_EQ(stageOf(*model), "- - 4 ");
    world.scheduler.advance(0.61);
    EXPECT_FALSE(model->farm().plots()[4].tilled);
    // Each step: the action, then the seconds until the label shows.
    const std::tuple<std::function<void()>, double, QString, QString> steps[] = {
        {[] {}, 0.01, "4 - - 松土完成|选择种子开始种植", "loosen_soil"},
        {[&] { model->sowFarmCrop(FarmCrop::corn, 4); }, 0.08, "4 - - 种下玉米|还要 30 分钟",
         "sow"},
        {[&] { model->loosenFarmPlot(4); }, 0.08, "4 - - 种下玉米|还要 30 分钟", "sow"},
        {[&] { model->waterFarmPlot(4); }, 0.08, "4 - - 浇水完成|生长时间缩短 20%", "water"},
        {[&] { model->waterFarmPlot(1); }, 0.62, "1 - - 浇水完成|生长时间缩短 20%", "water"},
        {[&] { model->sowFarmCrop(FarmCrop::watermelon, 3); }, 0.62,
         "3 - - 浇水完成|生长时间缩短 20%", "water"},
        {[&] {
             world.roll = 0.5;
             model->harvestFarmPlot(2);
         },
         0.62, "2 - - 收获成功|+20 糯币", "harvest"}};
    for (const auto& [act, seconds, stage, clip] : steps) {
        act();
        world.scheduler.advance(seconds);
        EXPECT_EQ(stageOf(*model), stage);
        EXPECT_EQ(model->animation(), clip);
    }
    world.scheduler.advance(1.35);
    EXPECT_EQ(model->animation(), "idle");
    world.scheduler.advance(3.5 - 1.35 - 0.01);
    EXPECT_TRUE(model->farmFeedback());
    world.scheduler.advance(0.01);
    EXPECT_FALSE(model->farmFeedback());
    EXPECT_EQ(model->farm().coins(), 20);
}

TEST(AppModelFarmTest, ANewWalkReplacesTheOldAndAHiddenFarmIgnoresActions) {
    test::ModelTestWorld world;
    auto model = world.model();
    model->loosenFarmPlot(1);
    world.scheduler.advance(0.62);
    model->loosenFarmPlot(5);
    world.scheduler.advance(0.3);
    model->loosenFarmPlot(6);
    EXPECT_EQ(stageOf(*model), "1 1 6 松土完成|选择种子开始种植");
    world.scheduler.advance(0.62);
    EXPECT_FALSE(model->farm().plots()[5].tilled);
    EXPECT_TRUE(model->farm().plots()[6].tilled);

    int layouts = 0;
    model->setChangeFarmLayout([&] { ++layouts; });
    const int homeRoom = 0;
    model->room().reportView(&homeRoom, true);
    model->setFarmVisible(false);
    EXPECT_TRUE(model->room().isVisible()) << "the home room still shows the room";
    model->room().reportView(&homeRoom, false);
    EXPECT_FALSE(model->room().isVisible());
    EXPECT_FALSE(FarmStore(world.defaults).visible());
    EXPECT_EQ(layouts, 1);
    EXPECT_TRUE(model->bubble().isEmpty());
    world.defaults.remove(FarmStore::defaultsKey);
    model->say({.message = "hello"});
    model->setFarmVisible(false);
    EXPECT_EQ(layouts, 1) << "no change, no layout";
    EXPECT_EQ(model->bubble(), "hello");
    EXPECT_FALSE(world.defaults.value(FarmStore::defaultsKey).isValid());
    model->changeFarmLayout();
    EXPECT_EQ(layouts, 2);
    EXPECT_FALSE(model->farm().visible());
    model->loosenFarmPlot(3);
    model->setFarmVisible(true);
    for (int outside : {-1, 9}) {
        model->loosenFarmPlot(outside);
    }
    EXPECT_EQ(model->farmMoveToPlot(), std::nullopt);
}

// A double harvest dances the first clip of a "dance" group, else "dance", else jumps.
TEST(AppModelFarmTest, ADoubleHarvestIsCelebrated) {
    const QString h3 = QString(TUNDLE_GENERATED_ASSETS) + "/H3";
    QTemporaryDir packs;
    const auto pack = [&](const QString& name, const std::function<void(QJsonObject&)>& edit) {
        for (const QString& file : QDir(h3).entryList(QDir::Files)) {
            test::writeAll(packs.filePath(name + "/" + file), test::readAll(h3 + "/" + file));
        }
        QJsonObject manifest =
            QJsonDocument::fromJson(test::readAll(h3 + "/manifest.json")).object();
        QJsonObject clips = manifest["clips"].toObject();
        edit(clips);
        manifest["clips"] = clips;
        test::writeAll(packs.filePath(name + "/manifest.json"), QJsonDocument(manifest).toJson());
        return std::make_shared<const PetAssets>(packs.filePath(name), PetAssetPack::h3);
    };
    const std::pair<std::shared_ptr<const PetAssets>, QString> cases[] = {
        {test::generatedPack(PetAssetPack::h3), "dance"},
        {pack("grouped",
              [](QJsonObject& clips) {
                  QJsonObject tap = clips["dance_tavro"].toObject();
                  tap["group"] = "dance";
                  clips["dance_tavro"] = tap;
              }),
         "dance_tavro"},
        {pack("plain", [](QJsonObject& clips) { clips.remove("dance"); }), "jump"}};
    for (const auto& [assets, clip] : cases) {
        test::ModelTestWorld world;
        AppModel model(world.world(), assets);
        model.farm().loosen(0);
        model.farm().sow(FarmCrop::radish, 0, world.scheduler.now().addSecs(-300));
        world.roll = 0.1499;
        model.harvestFarmPlot(0);
        world.scheduler.advance(1.96);
        EXPECT_EQ(stageOf(model), "0 - - 双倍收获！|+10 糯币");
        EXPECT_EQ(model.animation(), "harvest");
        world.scheduler.advance(0.02);
        EXPECT_EQ(model.animation(), clip);
        world.scheduler.advance(5 - 1.37);
        EXPECT_TRUE(model.farmFeedback() && model.farmFeedback()->doubled);
        world.scheduler.advance(0.01);
        EXPECT_FALSE(model.farmFeedback());
    }
}

}  // namespace
}  // namespace tundle
