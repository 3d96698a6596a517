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
    ASSERT_TRUE(history.capture(QStringLiteral("other"), first));

    // The same word spelled with a combining accent is the same text, taken as last copied.
    ASSERT_TRUE(history.capture(QStringLiteral("cafe\u0301"), first.addSecs(5)));
    EXPECT_EQ(texts(history), (QStringList{QStringLiteral("cafe\u0301"), "other"}));
    EXPECT_EQ(history.items().front().id, id);
    EXPECT_EQ(history.items().front().capturedAt, first.addSecs(5));

    // No case folding, no trimming: blanks are kept as copied.
    ASSERT_TRUE(history.capture(QStringLiteral("CAF\u00c9"), first));
    ASSERT_TRUE(history.capture(QStringLiteral("  other\n"), first));
    EXPECT_EQ(history.items().size(), 4);
    EXPECT_EQ(history.items().front().text, "  other\n");
    // Long texts, composed in pieces, and Korean syllables from their letters.
    const QString words = QStringLiteral("x").repeated(63) + QStringLiteral("\u1100\u1161 ");
    ASSERT_TRUE(history.capture(words.repeated(40) + QStringLiteral("cafe\u0301"), first));
    ASSERT_TRUE(history.capture(
        QStringLiteral("x").repeated(63).append(u'\uac00').append(u' ').repeated(40) +
            QStringLiteral("caf\u00e9"),
        first));
    EXPECT_EQ(history.items().size(), 5);
    EXPECT_FALSE(history.capture(QStringLiteral(" \n\t\u3000\r\n"), first));
    EXPECT_FALSE(history.capture(QString(), first));
    EXPECT_EQ(history.items().size(), 5);
}

TEST(ClipboardHistory, RefusesTextsLongerThanTheLimitWhole) {
    ClipboardHistory history(50, 16000);
    // Each character is two code points, so only a count of characters gets the limit right.
    const QString accented = QStringLiteral("e\u0301");
    ASSERT_TRUE(history.capture(accented.repeated(16000), first));
    EXPECT_FALSE(history.capture(accented.repeated(16001), first));
    EXPECT_TRUE(history.capture(QString(16000, u'x'), first));
    EXPECT_FALSE(history.capture(QString(16001, u'y'), first));
    EXPECT_EQ(texts(history), (QStringList{QString(16000, u'x'), accented.repeated(16000)}));

    ClipboardHistory tiny(0, -5);
    EXPECT_EQ(tiny.maximumItems(), 1);
    EXPECT_EQ(tiny.maximumTextLength(), 1);
    EXPECT_TRUE(tiny.capture(QStringLiteral("👨‍👩‍👧"), first));
    EXPECT_FALSE(tiny.capture(QStringLiteral("ab"), first));
}

TEST(ClipboardHistory, KeepsNewestFirstWithoutDuplicates) {
    ClipboardHistory history(50, 16000);
    history.capture("A", first);
    const QUuid idA = history.items().front().id;
    history.capture("B", first.addSecs(1));
    history.capture("A", first.addSecs(2));
    ASSERT_EQ(texts(history), (QStringList{"A", "B"}));
    EXPECT_EQ(history.items()[0], (ClipboardEntry{idA, "A", first.addSecs(2)}));
    EXPECT_NE(history.items()[1].id, idA);

    for (int i = 0; i < 50; ++i) {
        history.capture(QString::number(i), first);
    }
    EXPECT_EQ(history.items().size(), 50);
    EXPECT_EQ(history.items().front().text, "49");
    EXPECT_EQ(history.items().back().text, "0");

    const QUuid middle = history.items()[10].id;
    history.remove(middle);
    EXPECT_EQ(history.items().size(), 49);
    EXPECT_EQ(history.items()[10].text, "38");
    // A removed text comes back as a new entry.
    history.capture("39", first);
    EXPECT_NE(history.items().front().id, middle);
    history.clear();
    EXPECT_TRUE(history.items().isEmpty());
}

}  // namespace
}  // namespace tundle
