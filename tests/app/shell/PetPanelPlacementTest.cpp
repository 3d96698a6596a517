#include <gtest/gtest.h>

#include <QWidget>

#include "shell/PetPanelPlacement.h"

namespace tundle {
namespace {

// The primary screen sits at Qt's origin, 1440 x 900.
struct FakeScreens : Screens {
    std::vector<QRectF> frames{QRectF(0, 40, 1440, 860)};
    std::optional<QRectF> main = frames.front();

    std::vector<QRectF> visibleFrames() const override { return frames; }
    std::optional<QRectF> mainVisibleFrame() const override { return main; }
    ScreenCoordinates coordinates() const override { return ScreenCoordinates({0, 0, 1440, 900}); }
};

struct Placement {
    QWidget panel;
    FakeScreens screens;
    PetPanelLayout layout;
    UserConfiguration configuration;
    int writes = 0;
    PetPanelPlacement placement{panel,
                                screens,
                                {[this] { return layout; }, [this] { return configuration.device; },
                                 [this](const std::function<void(UserConfiguration&)>& edit) {
                                     edit(configuration);
                                     ++writes;
                                 }}};
};

TEST(PetPanelPlacementTest, FirstStartPlacesAtTheDefaultAndStoresIt) {
    Placement p;
    p.placement.place();
    EXPECT_EQ(p.placement.frame(), QRectF(966, 56, 444, 569));
    EXPECT_EQ(p.panel.geometry(), QRect(966, 275, 444, 569));  // Qt's y grows downward
    EXPECT_EQ(p.configuration.device.petX, 966);
    EXPECT_EQ(p.configuration.device.petY, 56);
    EXPECT_TRUE(p.configuration.device.accessoryLayoutV1);

    // Without any screen nothing moves and nothing is written.
    Placement none;
    none.screens.frames.clear();
    none.screens.main.reset();
    none.placement.place();
    EXPECT_EQ(none.writes, 0);
}

TEST(PetPanelPlacementTest, ResizeKeepsTheBottomLeftAndImportDoesNotWrite) {
    Placement p;
    p.placement.place();
    p.placement.moveTo({300, 100});
    p.layout.farmVisible = true;
    p.layout.farmScale = 0.85;
    p.placement.resize(1.0);
    EXPECT_EQ(p.placement.frame(), QRectF(300, 100, 445, 655));
    EXPECT_EQ(p.configuration.device.petX, 300);

    const int writes = p.writes;
    p.configuration.device.petX = 50;
    p.configuration.device.petY = 60;
    p.layout.farmVisible = false;
    p.placement.applyImportedConfiguration();
    EXPECT_EQ(p.placement.frame(), QRectF(50, 60, 444, 569));
    EXPECT_EQ(p.writes, writes);

    p.placement.resetPosition();
    EXPECT_EQ(p.configuration.device.petX, 966);
    EXPECT_EQ(p.configuration.device.petY, 56);
}

}  // namespace
}  // namespace tundle
