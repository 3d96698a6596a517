#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>

#include "accessories/AddShortcutBubble.h"
#include "accessories/DesktopFunctionView.h"
#include "accessories/ShortcutErrorStrip.h"
#include "accessories/ShortcutPager.h"
#include "accessories/WaterShortcutButton.h"
#include "support/ModelTestWorld.h"
#include "support/PaintCounter.h"

namespace tundle {
namespace {

// A model with `count` pinned websites and its panel open, in a viewport of `size`.
struct PanelWorld {
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    ShortcutViewport viewport{QSizeF(404, 240)};
    DesktopFunctionView view{*model, viewport};
    std::vector<ShortcutItem> items;

    explicit PanelWorld(int count, QSizeF size = {404, 240}) {
        viewport.setSize(size);
        for (int i = 0; i < count; ++i) {
            ShortcutItem item{.kind = ShortcutKind::website,
                              .name = QString("站点%1").arg(i),
                              .target = QString("https://example%1.org/").arg(i),
                              .pinned = true};
            EXPECT_TRUE(model->shortcuts().save(item));
            items.push_back(item);
        }
        model->toggleShortcuts();
    }

    std::vector<int> shownButtons() const {
        std::vector<int> shown;
        for (std::size_t i = 0; i < view.buttons().size(); ++i) {
            if (view.buttons()[i]->isVisibleTo(&view)) {
                shown.push_back(int(i));
            }
        }
        return shown;
    }
};

TEST(DesktopFunctionViewTest, BubbleWidthsFollowTheNameWithinTheirLimits) {
    const QString longName(40, QChar(0x540D));
    EXPECT_EQ(DesktopFunctionView::bubbleWidth("a", 404), 92);
    EXPECT_EQ(DesktopFunctionView::bubbleWidth(longName, 404), 200);
    EXPECT_EQ(DesktopFunctionView::bubbleWidth(longName, 180), 148);
    // A narrow viewport's limit wins over the least width.
    EXPECT_EQ(DesktopFunctionView::bubbleWidth("a", 110), 78);
    const double middle = DesktopFunctionView::bubbleWidth("工作周报与会议纪要", 404);
    EXPECT_GT(middle, 92);
    EXPECT_LT(middle, 200);
    EXPECT_EQ(middle, std::ceil(middle));
    // A viewport without room gives no bubble a negative width.
    EXPECT_EQ(DesktopFunctionView::bubbleWidth("a", 20), 0);
}

// Qt's warnings while a panel without room lays itself out.
QStringList warningsWhileLaidOut(int pinned, QSizeF size, bool failed) {
    static QStringList* captured = nullptr;
    QStringList warnings;
    captured = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { captured->append(text); });
    {
        PanelWorld panel(pinned, size);
        if (failed) {
            panel.world.opener->opens = false;
            panel.model->openShortcut(panel.items.empty()
                                          ? ShortcutItem{.kind = ShortcutKind::website,
                                                         .name = "旧链接",
                                                         .target = "https://example.invalid/"}
                                          : panel.items.front());
        }
        for (const WaterShortcutButton* button : panel.view.buttons()) {
            EXPECT_GE(button->width(), 0);
        }
        EXPECT_GE(panel.view.width(), 0);
    }
    qInstallMessageHandler(previous);
    captured = nullptr;
    return warnings;
}

TEST(DesktopFunctionViewTest, APanelWithoutRoomShowsNoNegativeSize) {
    for (const QSizeF size : {QSizeF(0, 0), QSizeF(12, 30), QSizeF(40, 60)}) {
        SCOPED_TRACE(size.width());
        for (const int pinned : {0, 1, 6}) {
            for (const bool failed : {false, true}) {
                const QStringList warnings = warningsWhileLaidOut(pinned, size, failed);
                EXPECT_TRUE(warnings.filter(QStringLiteral("Negative")).isEmpty())
                    << warnings.join(u'\n').toStdString();
            }
        }
    }
}

TEST(DesktopFunctionViewTest, OpenPanelShowsTheAddBubbleOrThePinnedBubblesInPlace) {
    PanelWorld empty(0);
    EXPECT_FALSE(empty.view.addBubble().isHidden());
    std::vector<PanelPage> shown;
    empty.model->setShowPanel([&](PanelPage page) { shown.push_back(page); });
    empty.view.addBubble().click();
    EXPECT_EQ(shown, std::vector<PanelPage>{PanelPage::shortcuts});
    EXPECT_TRUE(empty.view.addBubble().isHidden());

    PanelWorld three(3);
    EXPECT_TRUE(three.view.addBubble().isHidden());
    EXPECT_TRUE(three.view.pager().isHidden());
    EXPECT_EQ(three.shownButtons(), (std::vector<int>{0, 1, 2}));
    const auto placements = three.view.layout().placements(0);
    ASSERT_EQ(placements.size(), 3u);
    for (const auto& placement : placements) {
        const WaterShortcutButton* button = three.view.buttons()[std::size_t(placement.index)];
        EXPECT_NEAR(QRectF(button->geometry()).center().x(), placement.point.x(), 1);
        EXPECT_NEAR(QRectF(button->geometry()).center().y(), placement.point.y(), 1);
    }
    const WaterShortcutButton& first = *three.view.buttons()[0];
    EXPECT_EQ(first.toolTip(), "站点0\nhttps://example0.org/");
    EXPECT_EQ(first.iconDescription(), "网址");

    three.model->closeFunctionPanel();
    EXPECT_EQ(three.shownButtons(), std::vector<int>{});
}

TEST(DesktopFunctionViewTest, PagesTurnAndReturnToTheFirstOnReopenOrANewList) {
    PanelWorld w(6, {404, 110});
    ShortcutPager& pager = w.view.pager();
    EXPECT_FALSE(pager.isHidden());
    EXPECT_EQ(pager.text(), "1/2");
    EXPECT_FALSE(pager.previous().isEnabled());
    EXPECT_EQ(w.shownButtons(), (std::vector<int>{0, 1, 2}));
    pager.next().click();
    EXPECT_EQ(pager.text(), "2/2");
    EXPECT_FALSE(pager.next().isEnabled());
    EXPECT_EQ(w.shownButtons(), (std::vector<int>{3, 4, 5}));

    // A rename keeps the page; a shortcut taken off the list does not.
    ShortcutItem renamed = w.items[4];
    renamed.name = "新名字";
    ASSERT_TRUE(w.model->shortcuts().save(renamed));
    EXPECT_EQ(w.view.page(), 1);
    EXPECT_EQ(w.view.buttons()[4]->item().name, "新名字");
    ASSERT_TRUE(w.model->shortcuts().setPinned(w.items[5].id, false));
    EXPECT_EQ(w.view.page(), 0);
    EXPECT_EQ(w.view.buttons().size(), 5u);

    w.view.setPage(1);
    w.model->closeFunctionPanel();
    w.model->toggleShortcuts();
    EXPECT_EQ(w.view.page(), 0);

    // A page left over from a smaller viewport shows the last one there is.
    w.view.setPage(1);
    w.viewport.setSize({404, 240});
    EXPECT_EQ(w.view.currentPage(), 0);
    EXPECT_TRUE(w.view.pager().isHidden());
    EXPECT_EQ(w.shownButtons(), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(DesktopFunctionViewTest, OpeningDisablesEveryBubbleAndAFailureShowsTheStrip) {
    PanelWorld w(3);
    std::vector<bool> enabledMeanwhile;
    w.world.opener->opens = false;
    w.world.opener->during = [&] {
        for (const WaterShortcutButton* button : w.view.buttons()) {
            enabledMeanwhile.push_back(button->isEnabled());
        }
    };
    w.view.buttons()[1]->click();
    EXPECT_EQ(w.world.opener->opened, QStringList{"https://example1.org/"});
    EXPECT_EQ(enabledMeanwhile, std::vector<bool>(3, false));
    EXPECT_TRUE(w.view.buttons()[0]->isEnabled());

    const QString message = "系统未能打开该项目，请检查目标和默认应用。";
    EXPECT_FALSE(w.view.errorStrip().isHidden());
    EXPECT_EQ(w.view.errorStrip().message(), message);
    EXPECT_EQ(w.shownButtons(), std::vector<int>{});
    EXPECT_LE(w.view.errorStrip().width(), 388);
    std::vector<PanelPage> shown;
    w.model->setShowPanel([&](PanelPage page) { shown.push_back(page); });
    w.view.errorStrip().fix().click();
    EXPECT_EQ(shown, std::vector<PanelPage>{PanelPage::shortcuts});
    EXPECT_TRUE(w.view.errorStrip().isHidden());

    // With nothing pinned the add bubble stays above the strip.
    PanelWorld empty(0);
    empty.world.opener->opens = false;
    empty.model->openShortcut(w.items[0]);
    EXPECT_FALSE(empty.view.addBubble().isHidden());
    EXPECT_FALSE(empty.view.errorStrip().isHidden());
    EXPECT_LT(empty.view.addBubble().geometry().bottom(), empty.view.errorStrip().y());
}

TEST(DesktopFunctionViewTest, HoverSwellsABubbleAndNothingRepaintsWhileNothingChanges) {
    PanelWorld w(6, {404, 110});
    w.view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.view));
    QTest::qWait(100);
    test::PaintCounter counter;
    for (WaterShortcutButton* button : w.view.buttons()) {
        button->installEventFilter(&counter);
    }
    w.view.pager().installEventFilter(&counter);
    w.view.relayout();
    w.viewport.setSize(w.viewport.size());
    QTest::qWait(20);
    EXPECT_EQ(counter.paints, 0);

    WaterShortcutButton& bubble = *w.view.buttons()[0];
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&bubble, &enter);
    EXPECT_TRUE(bubble.hovering());
    QTest::qWait(20);
    EXPECT_GT(counter.paints, 0);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&bubble, &leave);
    EXPECT_FALSE(bubble.hovering());
}

// An opening failure may quote what the user typed: markup in it is shown as written.
TEST(DesktopFunctionViewTest, TheErrorStripShowsMarkupAsWritten) {
    const QString message = QStringLiteral("打不开“周报”，请检查目标。").repeated(4);
    ShortcutErrorStrip written;
    ShortcutErrorStrip marked;
    written.setMessage(message, 388);
    marked.setMessage(QStringLiteral("<i></i>") + message, 388);
    ASSERT_EQ(written.size(), marked.size());
    EXPECT_NE(written.grab().toImage(), marked.grab().toImage());
}

}  // namespace
}  // namespace tundle
