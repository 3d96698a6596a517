#include "controlcentre/ClipboardPage.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <cmath>

#include "WidgetLookup.h"
#include "companion/ClipboardService.h"
#include "controlcentre/ClipboardEntryCard.h"
#include "support/FakePasteboard.h"
#include "toolkit/Colors.h"

namespace tundle {
namespace {

using test::buttonNamed;
using test::showing;

class ClipboardPageTest : public ::testing::Test {
protected:
    // Another application copies, then the timer fires.
    void copied(const QString& text) {
        pasteboard.setPlainText(text);
        service.poll();
    }

    QStringList shownLabels() const { return test::shownTexts(page); }

    // The shown cards, top to bottom.
    QStringList shownEntries() const {
        std::vector<const ClipboardEntryCard*> cards;
        for (const ClipboardEntryCard* card : page.findChildren<ClipboardEntryCard*>()) {
            if (showing(card)) {
                cards.push_back(card);
            }
        }
        std::sort(cards.begin(), cards.end(),
                  [](auto* a, auto* b) { return a->geometry().top() < b->geometry().top(); });
        QStringList texts;
        for (const ClipboardEntryCard* card : cards) {
            texts << card->entry().text;
        }
        return texts;
    }

    void search(const QString& query) { QTest::keyClicks(page.findChild<QLineEdit*>(), query); }
    void clearSearch() { page.findChild<QLineEdit*>()->clear(); }

    ClipboardEntryCard* card(int index) { return page.cardFor(service.items()[index].id); }

    test::FakePasteboard pasteboard;
    ClipboardService service{pasteboard, false};
    ClipboardPage page{service};
};

TEST_F(ClipboardPageTest, EmptyStatesFollowTheHistoryAndTheRecording) {
    page.show();
    EXPECT_TRUE(shownLabels().contains(QStringLiteral("给那些一闪而过的文字，留个位置。")));
    EXPECT_TRUE(
        shownLabels().contains(QStringLiteral("开启后开始记录；不会读取之前的剪贴板内容。")));
    EXPECT_FALSE(buttonNamed(page, QStringLiteral("清空历史"))->isEnabled());
    EXPECT_FALSE(showing(buttonNamed(page, QStringLiteral("暂停记录"))));

    buttonNamed(page, QStringLiteral("开启文字历史"))->click();
    EXPECT_TRUE(service.isEnabled());
    EXPECT_TRUE(buttonNamed(page, QStringLiteral("记录剪贴板"))->isChecked());
    EXPECT_TRUE(shownLabels().contains(QStringLiteral("去任意应用复制一段文字，这里就会出现。")));
    EXPECT_FALSE(showing(buttonNamed(page, QStringLiteral("开启文字历史"))));

    buttonNamed(page, QStringLiteral("暂停记录"))->click();
    EXPECT_TRUE(service.isPaused());
    buttonNamed(page, QStringLiteral("继续记录"))->click();
    EXPECT_FALSE(service.isPaused());

    copied(QStringLiteral("Hello World"));
    search(QStringLiteral("nothing like it"));
    EXPECT_TRUE(shownLabels().contains(QStringLiteral("没有找到这段文字")));
    EXPECT_TRUE(shownEntries().isEmpty());

    buttonNamed(page, QStringLiteral("清空历史"))->click();
    EXPECT_TRUE(service.items().isEmpty());
    EXPECT_TRUE(shownLabels().contains(QStringLiteral("给那些一闪而过的文字，留个位置。")));

    buttonNamed(page, QStringLiteral("记录剪贴板"))->click();
    EXPECT_FALSE(service.isEnabled());
}

TEST_F(ClipboardPageTest, SearchShowsMatchingEntriesInTheirOrder) {
    service.setEnabled(true);
    for (const char* text : {"first Apple pie", "banana", "APPLE juice"}) {
        copied(QString::fromUtf8(text));
    }
    page.show();
    EXPECT_EQ(shownEntries(), (QStringList{"APPLE juice", "banana", "first Apple pie"}));
    search(QStringLiteral("apple"));
    EXPECT_EQ(shownEntries(), (QStringList{"APPLE juice", "first Apple pie"}));
    clearSearch();
    search(QStringLiteral(" apple"));
    EXPECT_EQ(shownEntries(), (QStringList{"first Apple pie"}));
    clearSearch();
    EXPECT_EQ(shownEntries().size(), 3);
}

TEST_F(ClipboardPageTest, CopyMarksOneEntryAndRemovingKeepsTheOtherCards) {
    service.setEnabled(true);
    copied(QStringLiteral("A"));
    copied(QStringLiteral("B"));
    page.show();
    ClipboardEntryCard* b = card(0);
    ClipboardEntryCard* a = card(1);
    buttonNamed(*a, QStringLiteral("复制"))->click();
    EXPECT_EQ(pasteboard.text, QStringLiteral("A"));
    EXPECT_TRUE(buttonNamed(*a, QStringLiteral("已复制")));
    buttonNamed(*b, QStringLiteral("复制"))->click();
    EXPECT_TRUE(buttonNamed(*a, QStringLiteral("复制")));
    EXPECT_TRUE(buttonNamed(*b, QStringLiteral("已复制")));
    service.poll();
    EXPECT_EQ(service.items().size(), 2) << "copying back records nothing";

    pasteboard.accepts = false;
    buttonNamed(*a, QStringLiteral("复制"))->click();
    EXPECT_TRUE(buttonNamed(*b, QStringLiteral("已复制"))) << "a failed copy moves no marker";
    pasteboard.accepts = true;

    copied(QStringLiteral("C"));
    EXPECT_EQ(card(1), b) << "a new entry builds only its own card";
    EXPECT_EQ(card(2), a);

    const QPointer<ClipboardEntryCard> removed = b;
    buttonNamed(*b, QStringLiteral("移除这条历史"))->click();
    EXPECT_EQ(shownEntries(), (QStringList{"C", "A"}));
    ASSERT_TRUE(removed) << "the card whose click removed it lives until its click has ended";
    EXPECT_EQ(page.cardFor(removed->entry().id), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(removed);
    for (const ClipboardEntryCard* left : page.findChildren<ClipboardEntryCard*>()) {
        EXPECT_FALSE(buttonNamed(*left, QStringLiteral("已复制")));
    }
}

TEST_F(ClipboardPageTest, EntriesArePlainTextAndLongLinesWrap) {
    service.setEnabled(true);
    copied(QStringLiteral("<b>bold</b> &amp; <a href='x'>link</a>"));
    copied(QString(16000, QLatin1Char('W')));
    page.resize(700, 600);
    page.show();
    EXPECT_LE(page.minimumSizeHint().width(), 700) << "an unbroken line does not widen the page";
    EXPECT_EQ(page.width(), 700);
    EXPECT_TRUE(page.findChildren<QLabel*>().isEmpty()) << "no label that could render markup";
    TextBlock& markup = card(1)->text();
    EXPECT_EQ(markup.layoutFor(600).lines,
              QStringList{QStringLiteral("<b>bold</b> &amp; <a href='x'>link</a>")});
    const QString shown = card(0)->text().text();
    EXPECT_EQ(shown, QString(ClipboardEntryCard::shownLength, QLatin1Char('W')) + "…");
    const TextBlock::Lines lines = card(0)->text().layoutFor(card(0)->text().width());
    EXPECT_EQ(lines.lines.size(), ClipboardEntryCard::maximumLines);
    EXPECT_TRUE(lines.elided);
}

TEST(ClipboardEntryCardTest, LongTextsAreCutOnWholeCharacters) {
    EXPECT_EQ(ClipboardEntryCard::shownText(QStringLiteral("short")), QStringLiteral("short"));
    const QString exact(ClipboardEntryCard::shownLength, QLatin1Char('a'));
    EXPECT_EQ(ClipboardEntryCard::shownText(exact), exact);
    const QString cat = QStringLiteral("🐱");
    const QString pairs = cat.repeated(ClipboardEntryCard::shownLength);
    const QString cut = ClipboardEntryCard::shownText(QStringLiteral("x") + pairs);
    EXPECT_TRUE(cut.endsWith(cat + QStringLiteral("…"))) << "no half of a character is left";
    EXPECT_LE(cut.size(), ClipboardEntryCard::shownLength + 1);
}

TEST(ClipboardEntryCardTest, AFiveLineEntryShowsFourLinesTheLastEndingInAnEllipsis) {
    ClipboardEntryCard card(
        ClipboardEntry{QUuid::createUuid(), QStringLiteral("一\n二\n三\n四\n五"), QDateTime()});
    card.resize(400, 200);
    card.show();
    TextBlock& text = card.text();
    const TextBlock::Lines laid = text.layoutFor(text.width());
    EXPECT_EQ(laid.lines, (QStringList{QStringLiteral("一"), QStringLiteral("二"),
                                       QStringLiteral("三"), QStringLiteral("四…")}));
    EXPECT_TRUE(laid.elided);

    // On screen the block is the four lines "一", "二", "三", "四…" exactly: the ellipsis is
    // drawn, nothing of the fifth line is.
    TextBlock reference(QStringLiteral("一\n二\n三\n四…"));
    reference.setFont(text.font());
    reference.setColor(Colors::ink());
    reference.resize(text.size());
    const auto drawn = [](QWidget& widget) {
        QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };
    const QImage shown = drawn(text);
    EXPECT_EQ(shown, drawn(reference));
    const QFontMetricsF metrics(text.font());
    const QRgb ground = shown.pixel(shown.width() - 1, shown.height() - 1);
    int inked = 0;
    for (int x = int(std::ceil(metrics.horizontalAdvance(QStringLiteral("四")))) + 1;
         x < shown.width(); ++x) {
        for (int y = int(3 * metrics.height());
             y < std::min(shown.height(), int(4 * metrics.height())); ++y) {
            inked += shown.pixel(x, y) != ground ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 4) << "the ellipsis follows the fourth line";
}

}  // namespace
}  // namespace tundle
