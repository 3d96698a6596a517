#include <gtest/gtest.h>

#include "pet/input/PetPress.h"

namespace tundle {
namespace {

TEST(PetPressTest, DragsOnlyFromThePetAndOnlyBeyondThreePoints) {
    PetPress press;
    for (PressKind kind : {PressKind::bubble, PressKind::farmScene, PressKind::pet}) {
        press.begin(kind, {10, 10}, {100, 200});
        EXPECT_FALSE(press.drag({13, 10}));
        EXPECT_FALSE(press.drag({10, 7}));
        EXPECT_EQ(press.drag({10, 6.9}),
                  kind == PressKind::pet ? std::optional(QPoint(100, 197)) : std::nullopt);
        EXPECT_EQ(press.drag({30, 10}),
                  kind == PressKind::pet ? std::optional(QPoint(120, 200)) : std::nullopt);
        EXPECT_EQ(press.wasDragged(), kind == PressKind::pet);
        EXPECT_EQ(press.end(), kind);
    }
    press.begin(PressKind::pet, {0, 0}, {});
    EXPECT_FALSE(press.wasDragged());
}

}  // namespace
}  // namespace tundle
