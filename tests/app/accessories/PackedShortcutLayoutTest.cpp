#include <gtest/gtest.h>

#include "accessories/PackedShortcutLayout.h"

namespace tundle {
namespace {

using Placement = PackedShortcutLayout::Placement;
using Rows = std::vector<std::vector<int>>;

TEST(PackedShortcutLayoutTest, RowsHoldAtMostThreeAndKeepAnExactFit) {
    struct Case {
        std::vector<double> widths;
        double width;
        Rows rows;
    };
    const std::vector<Case> cases = {
        {{}, 388, {}},
        {{100, 100, 100}, 388, {{0, 1, 2}}},
        // A fourth bubble starts a row however narrow it is.
        {{92, 92, 92, 10}, 388, {{0, 1, 2}, {3}}},
        {{100, 100, 200}, 388, {{0, 1}, {2}}},
        // 100 + 10 + 100 + 10 + 168 = 388 fits exactly.
        {{100, 100, 168}, 388, {{0, 1, 2}}},
        {{100, 100, 169}, 388, {{0, 1}, {2}}},
        // A row's first bubble stays even when it alone is too wide.
        {{500, 100}, 388, {{0}, {1}}},
        {{100, 100, 100, 100, 100, 100}, 388, {{0, 1, 2}, {3, 4, 5}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PackedShortcutLayout(c.widths, c.width, 224).rows(), c.rows);
    }
}

TEST(PackedShortcutLayoutTest, RowHeightAndRowsPerPageFollowTheAreaHeight) {
    struct Case {
        double height;
        double rowHeight;
        int rowsPerPage;
    };
    for (const Case& c :
         std::vector<Case>{{94, 56, 1}, {159, 56, 2}, {160, 66, 1}, {224, 66, 2}, {10, 56, 1}}) {
        const PackedShortcutLayout layout({}, 388, c.height);
        EXPECT_EQ(layout.rowHeight(), c.rowHeight) << c.height;
        EXPECT_EQ(layout.rowsPerPage(), c.rowsPerPage) << c.height;
    }
}

TEST(PackedShortcutLayoutTest, AFullRowIsCentredWithItsMiddleLiftedOnlyWhereThereIsRoom) {
    const PackedShortcutLayout tall({100, 100, 100}, 388, 224);
    EXPECT_EQ(tall.placements(0),
              (std::vector<Placement>{{0, {84, 200}}, {1, {194, 190}}, {2, {304, 200}}}));
    EXPECT_EQ(PackedShortcutLayout({100, 100, 100}, 388, 160).placements(0)[1].point,
              QPointF(194, 126));
    EXPECT_EQ(PackedShortcutLayout({100, 100, 100}, 388, 159).placements(0)[1].point,
              QPointF(194, 135));
    // Two bubbles are never lifted.
    EXPECT_EQ(PackedShortcutLayout({100, 100}, 388, 224).placements(0),
              (std::vector<Placement>{{0, {139, 200}}, {1, {249, 200}}}));
}

TEST(PackedShortcutLayoutTest, RowsStackUpwardAndSplitIntoPages) {
    const std::vector<double> six(6, 100);
    const PackedShortcutLayout tall(six, 388, 224);
    EXPECT_EQ(tall.pageCount(), 1);
    const auto both = tall.placements(0);
    ASSERT_EQ(both.size(), 6u);
    EXPECT_EQ(both[3].point, QPointF(84, 134));
    EXPECT_EQ(both[4].point, QPointF(194, 124));

    const PackedShortcutLayout compact(six, 388, 94);
    EXPECT_EQ(compact.pageCount(), 2);
    const auto second = compact.placements(1);
    EXPECT_EQ(second, (std::vector<Placement>{{3, {84, 70}}, {4, {194, 70}}, {5, {304, 70}}}));
    EXPECT_TRUE(compact.placements(2).empty());

    // A page left over from a longer list shows the last one.
    EXPECT_EQ(compact.clampedPage(5), 1);
    EXPECT_EQ(PackedShortcutLayout({100}, 388, 94).clampedPage(1), 0);
    EXPECT_EQ(PackedShortcutLayout({}, 388, 94).pageCount(), 1);
}

}  // namespace
}  // namespace tundle
