#include "controlcentre/ClipboardSearch.h"

#include <gtest/gtest.h>

namespace tundle {
namespace {

ClipboardEntry entry(const QString& text) {
    return ClipboardEntry{QUuid::createUuid(), text, QDateTime()};
}

QStringList texts(const QList<ClipboardEntry>& entries) {
    QStringList result;
    for (const ClipboardEntry& entry : entries) {
        result << entry.text;
    }
    return result;
}

TEST(ClipboardSearchTest, FindsTextsRegardlessOfCaseAndOfHowAccentsAreWritten) {
    ClipboardSearch search;
    const QList<ClipboardEntry> entries{
        entry(QStringLiteral("Meeting at NOON, Room B")),
        entry(QStringLiteral("Cafe\u0301 on the corner")),  // e with a combining accent
        entry(QStringLiteral("STRASSE")),
        entry(QStringLiteral("复制的中文")),
    };

    EXPECT_EQ(texts(search.filter(entries, QStringLiteral("noon"))),
              QStringList{QStringLiteral("Meeting at NOON, Room B")});
    EXPECT_EQ(texts(search.filter(entries, QStringLiteral("CAF\u00C9"))),
              QStringList{QStringLiteral("Cafe\u0301 on the corner")})
        << "a precomposed letter finds its decomposed spelling, in any case";
    EXPECT_TRUE(search.filter(entries, QStringLiteral("cafe ")).isEmpty())
        << "a plain e does not match the accented one";
    EXPECT_EQ(texts(search.filter(entries, QStringLiteral("strasse"))),
              QStringList{QStringLiteral("STRASSE")});
    EXPECT_EQ(texts(search.filter(entries, QStringLiteral("中文"))),
              QStringList{QStringLiteral("复制的中文")});
    EXPECT_EQ(search.filter(entries, QString()), entries) << "no query lists everything";
}

TEST(ClipboardSearchTest, BlanksInTheQueryAreNotTrimmed) {
    ClipboardSearch search;
    const QList<ClipboardEntry> entries{entry(QStringLiteral("alpha")),
                                        entry(QStringLiteral("say alpha"))};
    EXPECT_EQ(texts(search.filter(entries, QStringLiteral(" alpha"))),
              QStringList{QStringLiteral("say alpha")});
    EXPECT_TRUE(search.filter(entries, QStringLiteral("   ")).isEmpty());
}

TEST(ClipboardSearchTest, KeepsTheOrderAndForgetsEntriesThatLeft) {
    ClipboardSearch search;
    ClipboardEntry first = entry(QStringLiteral("one apple"));
    const ClipboardEntry second = entry(QStringLiteral("two apples"));
    EXPECT_EQ(texts(search.filter({second, first}, QStringLiteral("APPLE"))),
              (QStringList{QStringLiteral("two apples"), QStringLiteral("one apple")}));

    // An id that comes back with another text after leaving is searched by its new text.
    search.filter({second}, QStringLiteral("apple"));
    first.text = QStringLiteral("pear");
    EXPECT_EQ(texts(search.filter({first, second}, QStringLiteral("pear"))),
              QStringList{QStringLiteral("pear")});
}

TEST(ClipboardSearchTest, MatchesEndOnWholeCharacters) {
    const QString text = ClipboardSearch::searchable(QStringLiteral("a\u0301b\u0323\u0301 x"));
    EXPECT_FALSE(ClipboardSearch::contains(text, ClipboardSearch::searchable(QStringLiteral("b"))));
    EXPECT_TRUE(ClipboardSearch::contains(
        text, ClipboardSearch::searchable(QStringLiteral("\u00E1b\u0301\u0323"))))
        << "marks in another order mean the same letter";
    EXPECT_TRUE(ClipboardSearch::contains(text, ClipboardSearch::searchable(QStringLiteral("x"))));
}

}  // namespace
}  // namespace tundle
