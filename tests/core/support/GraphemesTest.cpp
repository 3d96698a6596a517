#include "support/Graphemes.h"

#include <gtest/gtest.h>

namespace tundle {
namespace {

TEST(Graphemes, CountsUserPerceivedCharacters) {
    EXPECT_EQ(graphemeCount(QString()), 0);
    EXPECT_EQ(graphemeCount(QStringLiteral("糯墩abc")), 5);
    // A family emoji, a flag and an accented letter built from two code points.
    const QString mixed = QStringLiteral("👨‍👩‍👧🇨🇳e\u0301");
    EXPECT_EQ(graphemeCount(mixed), 3);
    EXPECT_EQ(graphemePrefix(mixed, 2), QStringLiteral("👨‍👩‍👧🇨🇳"));
    EXPECT_EQ(graphemePrefix(mixed, 10), mixed);
    EXPECT_EQ(graphemePrefix(mixed, 0), QString());
    EXPECT_EQ(graphemeCount(QStringLiteral("🇨🇳🇯🇵🇯")), 3);
    EXPECT_EQ(graphemePrefix(QStringLiteral("🇨🇳🇯🇵🇯"), 1), QStringLiteral("🇨🇳"));
}

TEST(Graphemes, TrimsWhiteSpaceAndLineBreaksAtBothEnds) {
    EXPECT_EQ(trimmedText(QStringLiteral(" \t\n\u3000 糯 墩\r\n\u00a0")), QStringLiteral("糯 墩"));
    EXPECT_TRUE(trimmedText(QStringLiteral("   ")).isEmpty());
}

}  // namespace
}  // namespace tundle
