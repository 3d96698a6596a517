#include "companion/ClipboardHistory.h"

#include <gtest/gtest.h>

namespace tundle {
namespace {

const QDateTime first = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);

QStringList texts(const ClipboardHistory& history) {
    QStringList result;
    for (const ClipboardEntry& entry : history.items()) {
        result.append(entry.text);
    }
    return result;
}

TEST(ClipboardHistory, ComparesTextsByCanonicalEquivalence) {
    ClipboardHistory history(50, 16000);
    ASSERT_TRUE(history.capture(QStringLiteral("caf\u00e9"), first));
    const QUuid id = history.items().front().id;
    // The same word with a combining accent is the same text; no case folding, no trimming.
    ASSERT_TRUE(history.capture(QStringLiteral("cafe\u0301"), first));
    ASSERT_TRUE(history.capture(QStringLiteral("CAF\u00c9"), first));
    ASSERT_TRUE(history.capture(QStringLiteral(" CAF\u00c9\n"), first));
    EXPECT_EQ(history.items().size(), 3);
    EXPECT_EQ(history.items().back(), (ClipboardEntry{id, QStringLiteral("cafe\u0301"), first}));
    EXPECT_FALSE(history.capture(QStringLiteral(" \n\t\u3000\r\n"), first));

    // Long texts are composed in pieces; Korean syllables equal their letters.
    const QString letters = QStringLiteral("x").repeated(63) + QStringLiteral("\u1100\u1161 ");
    const QString syllables = QStringLiteral("x").repeated(63) + QStringLiteral("\uac00 ");
    ASSERT_TRUE(history.capture(letters.repeated(40), first));
    ASSERT_TRUE(history.capture(syllables.repeated(40), first));
    EXPECT_EQ(history.items().size(), 4);
}

TEST(ClipboardHistory, RefusesTextsLongerThanTheLimitWhole) {
    ClipboardHistory history(50, 16000);
    // Each character is two code points, so only a count of characters gets the limit right.
    const QString accented = QStringLiteral("e\u0301");
    ASSERT_TRUE(history.capture(accented.repeated(16000), first));
    EXPECT_FALSE(history.capture(accented.repeated(16001), first));
    EXPECT_FALSE(history.capture(QString(16001, u'y'), first));
    EXPECT_EQ(texts(history), QStringList{accented.repeated(16000)});
}

TEST(ClipboardHistory, KeepsNewestFirstWithoutDuplicates) {
    ClipboardHistory history(50, 16000);
    history.capture("A", first);
    const QUuid idA = history.items().front().id;
    history.capture("B", first);
    history.capture("A", first.addSecs(2));
    ASSERT_EQ(texts(history), (QStringList{"A", "B"}));
    EXPECT_EQ(history.items()[0], (ClipboardEntry{idA, "A", first.addSecs(2)}));

    for (int i = 0; i < 50; ++i) {
        history.capture(QString::number(i), first);
    }
    EXPECT_EQ(history.items().size(), 50);
    EXPECT_EQ(history.items().back().text, "0");
}

}  // namespace
}  // namespace tundle
