#include <gtest/gtest.h>

#include "pet/PaintKey.h"

namespace tundle {
namespace {

TEST(PaintKeyTest, FoldsNineteenPartsInOrder) {
    const QUuid revision("{0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d}");
    PaintKey key;
    key.assetRevision = revision;
    key.animation = "idle";
    key.daylight = 5;
    EXPECT_EQ(key.text(),
              "||H3|0A1B2C3D-4E5F-6A7B-8C9D-0E1F2A3B4C5D|0|idle|||false|false|0|"
              "true-0.85-balanced-0-empty,empty,empty,empty,empty,empty,empty,empty,empty-0|"
              "clear|day|5|0|-1|-1|");

    key.actionTitle = "好的";
    key.secondaryTitle = "稍后";
    key.pack = PetAssetPack::originalVideo;
    key.frame = 17;
    key.animation = "eating";
    key.bubble = "啊呜";
    key.bubbleDetail = "细节";
    key.draggingFile = true;
    key.breathingQuiet = true;
    key.breathingSeconds = 5'000'000'000;
    key.farm.visible = false;
    key.farm.scale = 1;
    key.farm.coins = 12;
    key.farm.plots[0].tilled = true;
    key.farm.plots[8] = {.tilled = true, .crop = FarmCrop::watermelon, .stage = 2, .watered = true};
    key.farm.timeBucket = 359318880;
    key.weather = RoomWeather::storm;
    key.phase = RoomPhase::dusk;
    key.daylight = 20;
    key.walkSteps = 30'000'000'000;
    key.hoverFarmPlot = 0;
    key.selectedFarmPlot = 8;
    key.farmFeedback = PaintKey::FarmFeedback{3, "收获", "+12", true};
    EXPECT_EQ(key.text(),
              "好的|稍后|OriginalVideo|0A1B2C3D-4E5F-6A7B-8C9D-0E1F2A3B4C5D|17|eating|啊呜|细节|"
              "true|true|5000000000|false-1.0-balanced-12-tilled,empty,empty,empty,empty,empty,"
              "empty,empty,watermelon-2-true-359318880|storm|dusk|20|30000000000|0|8|"
              "3-收获-+12-true");
}

}  // namespace
}  // namespace tundle
