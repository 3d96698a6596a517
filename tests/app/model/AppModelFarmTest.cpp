#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "support/ModelTestWorld.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

using test::ModelTestWorld;

struct Walk {
    std::optional<int> at;
    std::optional<int> from;
    std::optional<int> to;
    bool operator==(const Walk&) const = default;
};

Walk walkOf(const AppModel& model) {
    return {model.farmPetPlot(), model.farmMoveFromPlot(), model.farmMoveToPlot()};
}

std::optional<std::pair<QString, QString>> label(const AppModel& model) {
    if (!model.farmFeedback()) {
        return std::nullopt;
    }
    return std::pair(model.farmFeedback()->title, model.farmFeedback()->detail);
}

TEST(AppModelFarmTest, ThePetWalksOverAndWorksThePlot) {
    ModelTestWorld world;
    auto model = world.model();
    model->loosenFarmPlot(4);
    EXPECT_EQ(walkOf(*model), (Walk{std::nullopt, std::nullopt, 4}));
    EXPECT_EQ(model->farmMoveStart(), world.scheduler.now());
    world.scheduler.advance(0.61);
    EXPECT_FALSE(model->farm().plots()[4].tilled);
    world.scheduler.advance(0.01);
    EXPECT_EQ(walkOf(*model), (Walk{4, std::nullopt, std::nullopt}));
    EXPECT_TRUE(model->farm().plots()[4].tilled);
    EXPECT_EQ(model->animation(), "loosen_soil");
    EXPECT_TRUE(model->bubble().isEmpty());
    EXPECT_EQ(model->farmFeedback(),
              (FarmFeedback{4, "松土完成", "选择种子开始种植", false, world.scheduler.now()}));
    world.scheduler.advance(3.49);
    EXPECT_TRUE(model->farmFeedback());
    world.scheduler.advance(0.01);
    EXPECT_FALSE(model->farmFeedback());

    const std::tuple<FarmCrop, QString, QString> sowings[] = {
        {FarmCrop::corn, "种下玉米", "还要 30 分钟"},
        {FarmCrop::radish, "种下小萝卜", "还要 5 分钟"},
        {FarmCrop::watermelon, "种下西瓜", "还要 2 小时"}};
    int plot = 4;
    for (const auto& [crop, title, detail] : sowings) {
        model->farm().loosen(plot);
        model->sowFarmCrop(crop, plot);
        world.scheduler.advance(plot == 4 ? 0.08 : 0.62);
        EXPECT_EQ(model->animation(), "sow");
        EXPECT_EQ(label(*model), std::pair(title, detail));
        EXPECT_EQ(model->farmMoveFromPlot(), std::nullopt);
        ++plot;
    }

    model->waterFarmPlot(4);
    world.scheduler.advance(0.62);
    EXPECT_EQ(model->animation(), "water");
    EXPECT_EQ(label(*model), std::pair(QString("浇水完成"), QString("生长时间缩短 20%")));
    EXPECT_EQ(model->farmMoveFromPlot(), std::nullopt);
    model->stopAnimation();
    world.scheduler.advance(3.5);
    // Watering twice: the pet goes there and nothing else happens.
    model->waterFarmPlot(4);
    EXPECT_EQ(walkOf(*model), (Walk{4, 4, 4}));
    world.scheduler.advance(0.08);
    EXPECT_EQ(model->farmPetPlot(), 4);
    EXPECT_EQ(model->animation(), "idle");
    EXPECT_FALSE(model->farmFeedback());
}

TEST(AppModelFarmTest, HarvestsPayAndADoubleOneIsCelebrated) {
    ModelTestWorld world;
    auto model = world.model();
    FarmStore& farm = model->farm();
    const QDateTime sown = world.scheduler.now().addSecs(-1800);
    for (int plot : {0, 1, 2}) {
        farm.loosen(plot);
        farm.sow(FarmCrop::corn, plot, sown);
    }
    world.roll = 0.1;
    model->harvestFarmPlot(0);
    world.scheduler.advance(0.62);
    EXPECT_EQ(farm.coins(), 40);
    EXPECT_EQ(model->animation(), "harvest");
    EXPECT_EQ(label(*model), std::pair(QString("双倍收获！"), QString("+40 糯币")));
    EXPECT_TRUE(model->farmFeedback()->doubled);
    world.scheduler.advance(1.35);
    EXPECT_EQ(model->animation(), "dance");
    world.scheduler.advance(3.64);
    EXPECT_TRUE(model->farmFeedback());
    world.scheduler.advance(0.01);
    EXPECT_FALSE(model->farmFeedback());

    world.roll = 0.15;
    model->harvestFarmPlot(1);
    world.scheduler.advance(0.62);
    EXPECT_EQ(farm.coins(), 60);
    EXPECT_EQ(label(*model), std::pair(QString("收获成功"), QString("+20 糯币")));
    EXPECT_FALSE(model->farmFeedback()->doubled);
    world.scheduler.advance(1.35);
    EXPECT_EQ(model->animation(), "idle");
    world.scheduler.advance(2.15);
    EXPECT_FALSE(model->farmFeedback());

    // A growing crop is not harvested; the pet only walks there.
    farm.loosen(3);
    farm.sow(FarmCrop::radish, 3, world.scheduler.now());
    model->harvestFarmPlot(3);
    world.scheduler.advance(0.62);
    EXPECT_EQ(model->farmPetPlot(), 3);
    EXPECT_EQ(farm.coins(), 60);
    EXPECT_FALSE(model->farmFeedback());
}

// The celebration dances the first clip of a "dance" group, else "dance", else jumps.
TEST(AppModelFarmTest, TheCelebrationFollowsThePack) {
    const QString h3 = QString(TUNDLE_GENERATED_ASSETS) + "/H3";
    const auto pack = [&](const QString& folder, const std::function<void(QJsonObject&)>& edit) {
        QDir().mkpath(folder);
        for (const QString& name : QDir(h3).entryList(QDir::Files)) {
            QFile::copy(h3 + "/" + name, folder + "/" + name);
        }
        QJsonObject manifest =
            QJsonDocument::fromJson(test::readAll(h3 + "/manifest.json")).object();
        QJsonObject clips = manifest["clips"].toObject();
        edit(clips);
        manifest["clips"] = clips;
        QFile::remove(folder + "/manifest.json");
        test::writeAll(folder + "/manifest.json", QJsonDocument(manifest).toJson());
        return std::make_shared<const PetAssets>(folder, PetAssetPack::h3);
    };
    QTemporaryDir packs;
    const std::pair<std::shared_ptr<const PetAssets>, QString> cases[] = {
        {pack(packs.filePath("grouped"),
              [](QJsonObject& clips) {
                  QJsonObject tap = clips["dance_tavro"].toObject();
                  tap["group"] = "dance";
                  clips["dance_tavro"] = tap;
              }),
         "dance_tavro"},
        {pack(packs.filePath("plain"), [](QJsonObject& clips) { clips.remove("dance"); }), "jump"},
    };
    for (const auto& [assets, clip] : cases) {
        ModelTestWorld world;
        AppModel model(world.world(), assets);
        model.farm().loosen(0);
        model.farm().sow(FarmCrop::radish, 0, world.scheduler.now().addSecs(-300));
        world.roll = 0.14;
        model.harvestFarmPlot(0);
        world.scheduler.advance(2);
        EXPECT_EQ(model.animation(), clip);
        EXPECT_EQ(model.farm().coins(), 10);
    }
}

TEST(AppModelFarmTest, ANewWalkReplacesTheOldAndAHiddenFarmIgnoresActions) {
    ModelTestWorld world;
    auto model = world.model();
    model->loosenFarmPlot(1);
    world.scheduler.advance(0.3);
    model->loosenFarmPlot(2);
    EXPECT_EQ(walkOf(*model), (Walk{std::nullopt, std::nullopt, 2}));
    world.scheduler.advance(0.62);
    EXPECT_FALSE(model->farm().plots()[1].tilled);
    EXPECT_TRUE(model->farm().plots()[2].tilled);
    EXPECT_EQ(walkOf(*model), (Walk{2, std::nullopt, std::nullopt}));

    for (int outside : {-1, 9}) {
        model->loosenFarmPlot(outside);
        EXPECT_EQ(model->farmMoveToPlot(), std::nullopt);
    }

    int layouts = 0;
    model->setChangeFarmLayout([&] { ++layouts; });
    model->say("hello");
    model->setFarmVisible(false);
    EXPECT_EQ(layouts, 1);
    EXPECT_TRUE(model->bubble().isEmpty());
    EXPECT_FALSE(FarmStore(world.defaults).visible());
    world.defaults.remove(FarmStore::defaultsKey);
    model->setFarmVisible(false);
    EXPECT_EQ(layouts, 2);
    EXPECT_FALSE(world.defaults.value(FarmStore::defaultsKey).isValid());

    model->loosenFarmPlot(3);
    world.scheduler.advance(1);
    EXPECT_EQ(walkOf(*model), (Walk{2, std::nullopt, std::nullopt}));
    EXPECT_FALSE(model->farm().plots()[3].tilled);
}

}  // namespace
}  // namespace tundle
