#include <gtest/gtest.h>

#include "records/ShortcutItem.h"

namespace tundle {
namespace {

TEST(ShortcutVocabulary, KindsAndColoursListInPickerOrderWithTheirTitles) {
    QStringList kinds;
    for (const ShortcutKind kind : shortcutKindText.allCases()) {
        kinds << shortcutKindText.raw(kind) + u'=' + title(kind) + u'/' + symbol(kind);
    }
    EXPECT_EQ(kinds, QStringList({QStringLiteral("application=软件/app"),
                                  QStringLiteral("folder=文件夹/folder"),
                                  QStringLiteral("file=文件/doc"), QStringLiteral("website=网址/globe")}));
    QStringList colours;
    QList<QRgb> values;
    for (const ShortcutColor colour : shortcutColorText.allCases()) {
        colours << title(colour);
        values << rgb(colour);
    }
    EXPECT_EQ(colours.join(u','), QStringLiteral("蓝色,红色,橙色,黄色,绿色,紫色,灰色"));
    EXPECT_EQ(QSet<QRgb>(values.begin(), values.end()).size(), 7);
}

TEST(ShortcutVocabulary, UntaggedShortcutPaintsBlue) {
    ShortcutItem item;
    EXPECT_EQ(item.color(), ShortcutColor::blue);
    EXPECT_FALSE(item.groupID.has_value());
    item.tagColor = ShortcutColor::green;
    EXPECT_EQ(item.color(), ShortcutColor::green);
    EXPECT_EQ(ShortcutItem::pinLimit, 6);
}

}  // namespace
}  // namespace tundle
