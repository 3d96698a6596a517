#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "FocusWalk.h"
#include "accessories/DesktopFunctionView.h"
#include "accessories/WaterShortcutButton.h"
#include "editors/ErrorLine.h"
#include "editors/ShortcutEditor.h"
#include "editors/ShortcutGroupEditor.h"
#include "editors/ShortcutListRow.h"
#include "editors/ShortcutSettingsPage.h"
#include "editors/SidebarEntry.h"
#include "support/ModelTestWorld.h"
#include "support/ScriptedFileChooser.h"
#include "support/ToolkitLook.h"
#include "support/Uuid.h"
#include "toolkit/Colors.h"
#include "toolkit/Switch.h"
#include "toolkit/ToolkitStyle.h"
#include "toolkit/Typography.h"

namespace tundle {
namespace {

const QString pinLimitMessage = QStringLiteral("桌面已置顶 6 项，请先取消一项。");

void click(ShortcutListRow* row, ShortcutListRow::Part part) {
    ASSERT_TRUE(row);
    QTest::mouseClick(row, Qt::LeftButton, {}, row->partRect(part).center());
}

struct PageWorld {
    PageWorld() {
        page.resize(860, 700);
        page.show();
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    ShortcutService& service = model->shortcuts();
    test::ScriptedFileChooser chooser;
    ShortcutSettingsPage page{*model, service, chooser};

    ShortcutItem add(const QString& name, bool pinned = false,
                     std::optional<QUuid> group = std::nullopt) {
        ShortcutItem item{.kind = ShortcutKind::website,
                          .name = name,
                          .target = "https://" + name + ".example.org/",
                          .pinned = pinned,
                          .groupID = group};
        EXPECT_TRUE(service.save(item));
        return item;
    }
    ShortcutGroup group(const QString& name) {
        const ShortcutGroup made{.name = name};
        EXPECT_TRUE(service.saveGroup(made));
        return made;
    }
    QStringList shown() const {
        QStringList names;
        for (ShortcutListRow* row : page.rows()) {
            names << row->item().name;
        }
        return names;
    }
    QStringList pinned() const {
        QStringList names;
        for (const ShortcutItem& item : service.pinned()) {
            names << item.name;
        }
        return names;
    }
    ShortcutListRow* row(const QString& name) const {
        for (ShortcutListRow* each : page.rows()) {
            if (each->item().name == name) {
                return each;
            }
        }
        return nullptr;
    }
    // Text dropped on a row, as any drag would bring it.
    bool drop(const QString& onto, const QString& text) {
        QMimeData data;
        data.setText(text);
        ShortcutListRow* target = row(onto);
        QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction | Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent event(QPointF(5, 5), Qt::MoveAction | Qt::CopyAction, &data, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    }
};

TEST(ShortcutSettingsPage, ListsFilterBySidebarAndSearchWithBothEmptyStates) {
    PageWorld w;
    EXPECT_EQ(w.page.listTitle()->text(), "全部");
    EXPECT_FALSE(w.page.emptyState()->isHidden());
    EXPECT_EQ(w.page.emptyState()->text(), "这里还没有快捷方式");

    const ShortcutGroup work = w.group("工作");
    const ShortcutGroup idle = w.group("空闲");
    w.add("mail", true, work.id);
    w.add("Wiki");
    w.add("news", true);
    EXPECT_EQ(w.shown(), (QStringList{"mail", "Wiki", "news"}));
    EXPECT_TRUE(w.page.emptyState()->isHidden());
    EXPECT_TRUE(w.page.pinnedCounter()->isHidden());

    w.page.sidebarEntry(ShortcutFilter::pinned)->click();
    EXPECT_EQ(w.page.listTitle()->text(), "桌面置顶");
    EXPECT_EQ(w.shown(), (QStringList{"mail", "news"}));
    EXPECT_FALSE(w.page.pinnedCounter()->isHidden());
    EXPECT_EQ(w.page.pinnedCounter()->text(), "2/6 · 拖动排序");
    EXPECT_TRUE(w.page.sidebarEntry(ShortcutFilter::pinned)->selected());
    EXPECT_FALSE(w.page.sidebarEntry(ShortcutFilter::all)->selected());

    w.page.sidebarEntry(uuidText(work.id))->click();
    EXPECT_EQ(w.page.listTitle()->text(), "工作");
    EXPECT_EQ(w.shown(), QStringList{"mail"});
    w.page.sidebarEntry(uuidText(idle.id))->click();
    EXPECT_EQ(w.shown(), QStringList{});
    EXPECT_EQ(w.page.emptyState()->text(), "这里还没有快捷方式");

    w.page.sidebarEntry(ShortcutFilter::none)->click();
    QTest::keyClicks(w.page.searchField(), "WIKI");
    EXPECT_EQ(w.shown(), QStringList{"Wiki"});
    QTest::keyClicks(w.page.searchField(), "x");
    EXPECT_EQ(w.page.emptyState()->text(), "没有匹配的快捷方式");
    EXPECT_FALSE(w.page.emptyState()->isHidden());
}

TEST(ShortcutSettingsPage, AddingOpensTheEditorWithTheDefaultsOfTheSelection) {
    PageWorld w;
    const ShortcutGroup work = w.group("工作");
    for (int i = 0; i < 5; ++i) {
        w.add(QString("s%1").arg(i), true);
    }
    w.page.sidebarEntry(uuidText(work.id))->click();
    w.page.addButton()->click();
    ASSERT_TRUE(w.page.editor());
    EXPECT_FALSE(w.page.editor()->existing());
    EXPECT_EQ(w.page.editor()->title()->text(), "添加快捷方式");
    ShortcutItem added = w.page.editor()->draft().item();
    EXPECT_EQ(added.kind, ShortcutKind::application);
    EXPECT_TRUE(added.pinned);
    EXPECT_EQ(added.groupID, work.id);
    EXPECT_TRUE(w.page.editor()->pinSwitch()->isChecked());
    w.page.editor()->cancelButton()->click();
    QApplication::processEvents();
    EXPECT_FALSE(w.page.editor());
    EXPECT_EQ(w.service.items().size(), 5u);

    w.add("s5", true);
    w.page.sidebarEntry(ShortcutFilter::pinned)->click();
    w.page.addButton()->click();
    ASSERT_TRUE(w.page.editor());
    added = w.page.editor()->draft().item();
    EXPECT_FALSE(added.pinned);
    EXPECT_FALSE(added.groupID);
    EXPECT_FALSE(w.page.editor()->pinNotice()->isHidden());
    EXPECT_FALSE(w.page.editor()->pinSwitch()->isEnabled());
    w.page.editor()->dismiss();
}

TEST(ShortcutSettingsPage, RowsEditPinAndMoveThroughTheService) {
    PageWorld w;
    const ShortcutGroup work = w.group("工作 & 学习");
    for (int i = 0; i < 6; ++i) {
        w.add(QString("p%1").arg(i), true);
    }
    const ShortcutItem loose = w.add("loose");
    ShortcutListRow* row = w.row("loose");
    EXPECT_EQ(row->partToolTip(ShortcutListRow::Part::pin), "置顶到桌面");
    EXPECT_EQ(row->partToolTip(ShortcutListRow::Part::dot), "蓝色");
    EXPECT_EQ(row->partToolTip(ShortcutListRow::Part::main), "编辑 loose");
    EXPECT_FALSE(row->showsMissingTarget());
    click(row, ShortcutListRow::Part::pin);
    EXPECT_FALSE(w.service.items().back().pinned);
    EXPECT_FALSE(w.page.errorLine()->isHidden());
    EXPECT_EQ(w.page.errorLine()->text(), pinLimitMessage);

    // Pinning moves a shortcut to the end; unpinning leaves it in place.
    click(w.row("p1"), ShortcutListRow::Part::pin);
    EXPECT_TRUE(w.page.errorLine()->isHidden());
    click(w.row("loose"), ShortcutListRow::Part::pin);
    EXPECT_EQ(w.shown(), (QStringList{"p0", "p1", "p2", "p3", "p4", "p5", "loose"}));
    EXPECT_EQ(w.row("loose")->partToolTip(ShortcutListRow::Part::pin), "取消桌面置顶");

    QMenu* groups = nullptr;
    for (QAction* action : w.row("loose")->menu()->actions()) {
        if (action->text() == "移到分组") {
            groups = action->menu();
        }
    }
    ASSERT_TRUE(groups);
    emit groups->aboutToShow();
    ASSERT_EQ(groups->actions().size(), 2);
    EXPECT_EQ(groups->actions()[1]->text(), "工作 && 学习");
    groups->actions()[1]->trigger();
    EXPECT_EQ(w.service.items().back().groupID, work.id);
    groups->actions()[0]->trigger();
    EXPECT_FALSE(w.service.items().back().groupID);
    EXPECT_EQ(w.service.items().back().id, loose.id);

    click(w.row("p3"), ShortcutListRow::Part::main);
    ASSERT_TRUE(w.page.editor());
    EXPECT_TRUE(w.page.editor()->existing());
    EXPECT_EQ(w.page.editor()->draft().item().name, "p3");
    w.page.editor()->dismiss();
}

TEST(ShortcutSettingsPage, AHoveredRowShowsItsMenuAndGround) {
    PageWorld w;
    w.add("site");
    ShortcutListRow* row = w.row("site");
    EXPECT_FALSE(row->hovering());
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
    QApplication::sendEvent(row, &enter);
    EXPECT_TRUE(row->hovering());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(row, &leave);
    EXPECT_FALSE(row->hovering());

    ShortcutItem local{.kind = ShortcutKind::folder, .name = "imported", .target = {}};
    ShortcutListRow imported(local, *w.model, w.service);
    EXPECT_TRUE(imported.showsMissingTarget());
}

TEST(ShortcutSettingsPage, DeletingOffersOneUndoThatComesBackUnpinnedWhenTheDesktopIsFull) {
    PageWorld w;
    w.add("a", true);
    w.add("b");
    w.add("c");
    EXPECT_TRUE(w.page.undoLine()->isHidden());
    auto remove = [&](const QString& name) {
        for (QAction* action : w.row(name)->menu()->actions()) {
            if (action->text() == "删除") {
                action->trigger();
            }
        }
    };
    remove("b");
    remove("c");
    EXPECT_FALSE(w.page.undoLine()->isHidden());
    w.page.undoButton()->click();
    EXPECT_EQ(w.shown(), (QStringList{"a", "c"}));
    EXPECT_TRUE(w.page.undoLine()->isHidden());

    remove("a");
    for (int i = 0; i < 6; ++i) {
        w.add(QString("p%1").arg(i), true);
    }
    w.page.undoButton()->click();
    EXPECT_EQ(w.shown().first(), "a");
    EXPECT_FALSE(w.service.items().front().pinned);
}

TEST(ShortcutSettingsPage, GroupsAreMadeRenamedAndDeletedFromTheSidebar) {
    PageWorld w;
    w.page.newGroupButton()->click();
    ShortcutGroupEditor* editor = w.page.groupEditor();
    ASSERT_TRUE(editor);
    QApplication::setActiveWindow(editor);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    test::expectFocusFollowsTheForm(*editor, QStringLiteral("group"));
    EXPECT_EQ(editor->title()->text(), "新建分组");
    QTest::keyClicks(editor->nameField(), "  Work  ");
    QTest::keyClick(editor->nameField(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(w.page.groupEditor());
    ASSERT_EQ(w.service.groups().size(), 1u);
    const ShortcutGroup work = w.service.groups().front();
    EXPECT_EQ(work.name, "Work");
    ASSERT_TRUE(w.page.sidebarEntry(uuidText(work.id)));

    w.page.newGroupButton()->click();
    editor = w.page.groupEditor();
    QTest::keyClicks(editor->nameField(), "WORK");
    editor->saveButton()->click();
    EXPECT_FALSE(editor->errorLine()->isHidden());
    EXPECT_EQ(editor->errorLine()->text(), "已有同名分组。");
    editor->nameField()->clear();
    QTest::keyClicks(editor->nameField(), "   ");
    editor->saveButton()->click();
    EXPECT_EQ(editor->errorLine()->text(), "请输入分组名称。");
    QTest::keyClick(editor, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(w.page.groupEditor());
    EXPECT_EQ(w.service.groups().size(), 1u);

    w.page.renameGroup(work);
    editor = w.page.groupEditor();
    EXPECT_EQ(editor->title()->text(), "重命名分组");
    editor->saveButton()->click();
    QApplication::processEvents();
    EXPECT_FALSE(w.page.groupEditor());

    const ShortcutGroup other = w.group("其他");
    w.add("mail", false, work.id);
    w.page.sidebarEntry(uuidText(work.id))->click();
    w.page.deleteGroup(other.id);
    EXPECT_EQ(w.page.filter().group, uuidText(work.id));
    w.page.deleteGroup(work.id);
    EXPECT_EQ(w.page.filter().group, ShortcutFilter::none);
    EXPECT_EQ(w.shown(), QStringList{"mail"});
    EXPECT_FALSE(w.page.sidebarEntry(uuidText(work.id)));
}

TEST(ShortcutSettingsPage, DropsReorderOnlyThePinnedListAndOnlyDuringADragFromIt) {
    PageWorld w;
    w.add("A", true);
    w.add("B", true);
    w.add("C", true);
    w.add("loose");
    const auto drag = [&](const QString& from, const QString& onto) {
        ShortcutListRow* source = w.row(from);
        source->dragStarting();
        const bool taken = w.drop(onto, uuidText(source->item().id));
        source->dragFinished();
        return taken;
    };
    // Everything refused outside the plain pinned list.
    EXPECT_FALSE(drag("C", "A"));
    w.page.sidebarEntry(ShortcutFilter::pinned)->click();
    QTest::keyClicks(w.page.searchField(), "C");
    EXPECT_FALSE(w.page.pinnedCounter()->isHidden());
    EXPECT_FALSE(drag("C", "C"));
    w.page.searchField()->clear();
    EXPECT_EQ(w.pinned(), (QStringList{"A", "B", "C"}));

    EXPECT_TRUE(drag("A", "C"));
    EXPECT_EQ(w.pinned(), (QStringList{"B", "A", "C"}));
    EXPECT_EQ(w.shown(), (QStringList{"B", "A", "C"}));
    EXPECT_TRUE(drag("C", "B"));
    EXPECT_EQ(w.pinned(), (QStringList{"C", "B", "A"}));
    EXPECT_FALSE(w.page.reorder().dragged());
}

TEST(ShortcutSettingsPage, ADropAfterAnAbandonedDragMovesNothing) {
    PageWorld w;
    w.add("A", true);
    w.add("B", true);
    w.add("C", true);
    w.page.sidebarEntry(ShortcutFilter::pinned)->click();
    ShortcutListRow* c = w.row("C");
    // The drag of C ends outside every row.
    c->dragStarting();
    c->dragFinished();
    // Later, text from another application lands on A.
    EXPECT_FALSE(w.drop("A", "从别处拖来的文字"));
    EXPECT_FALSE(w.drop("A", uuidText(c->item().id)));
    EXPECT_EQ(w.pinned(), (QStringList{"A", "B", "C"}));
}

TEST(ShortcutSettingsPage, ThePinnedBubblesAboveThePetFollowThePage) {
    PageWorld w;
    w.add("A", true);
    w.add("B", true);
    w.add("C");
    ShortcutViewport viewport(QSizeF(404, 240));
    DesktopFunctionView bubbles(*w.model, viewport);
    w.model->toggleShortcuts();
    const auto bubbleNames = [&] {
        QStringList names;
        for (WaterShortcutButton* button : bubbles.buttons()) {
            names << button->item().name;
        }
        return names;
    };
    EXPECT_EQ(bubbleNames(), (QStringList{"A", "B"}));
    click(w.row("C"), ShortcutListRow::Part::pin);
    EXPECT_EQ(bubbleNames(), (QStringList{"A", "B", "C"}));

    w.page.sidebarEntry(ShortcutFilter::pinned)->click();
    ShortcutListRow* c = w.row("C");
    c->dragStarting();
    EXPECT_TRUE(w.drop("A", uuidText(c->item().id)));
    c->dragFinished();
    EXPECT_EQ(bubbleNames(), (QStringList{"C", "A", "B"}));

    click(w.row("A"), ShortcutListRow::Part::main);
    ShortcutEditor* editor = w.page.editor();
    ASSERT_TRUE(editor);
    editor->nameField()->selectAll();
    QTest::keyClicks(editor->nameField(), "Alpha");
    editor->pinSwitch()->click();
    editor->saveButton()->click();
    QApplication::processEvents();
    EXPECT_FALSE(w.page.editor());
    EXPECT_EQ(bubbleNames(), (QStringList{"C", "B"}));
    EXPECT_EQ(w.service.items()[1].name, "Alpha");
}

// Pixels of `image` within `area` that are near `color`.
int pixelsNear(const QImage& image, const QRect& area, const QColor& color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - color.red()) + std::abs(pixel.green() - color.green()) +
                                 std::abs(pixel.blue() - color.blue()) <
                             40
                         ? 1
                         : 0;
        }
    }
    return count;
}

TEST(ShortcutSettingsPage, TabReachesARowsPinAndMenuAndTheKeysPressThem) {
    PageWorld w;
    w.add("a");
    w.add("b");
    w.page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.page));
    ShortcutListRow* first = w.row("a");
    ShortcutListRow* second = w.row("b");
    w.page.searchField()->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 20 && QApplication::focusWidget() != first; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), first) << "Tab reaches the row";
    EXPECT_EQ(first->focusedPart(), ShortcutListRow::Part::main);
    const QImage onName = first->grab().toImage();

    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_EQ(first->focusedPart(), ShortcutListRow::Part::pin);
    const QImage onPin = first->grab().toImage();
    const QRect pin = first->partRect(ShortcutListRow::Part::pin);
    EXPECT_GT(pixelsNear(onPin, pin, Colors::accent()), pixelsNear(onName, pin, Colors::accent()))
        << "the ring moves to the pin";
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_EQ(w.pinned(), QStringList{"a"}) << "Space pins";

    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(first->focusedPart(), ShortcutListRow::Part::menu);
    const QImage onMenu = first->grab().toImage();
    EXPECT_NE(onMenu.copy(first->partRect(ShortcutListRow::Part::menu)),
              onPin.copy(first->partRect(ShortcutListRow::Part::menu)))
        << "the menu's symbol shows with its ring, hovered or not";
    QTest::keyClick(first, Qt::Key_Return);
    ASSERT_TRUE(first->menu()->isVisible()) << "Return opens the actions menu";
    first->menu()->hide();

    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), second) << "then Tab leaves the row";
    QTest::keyClick(second, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_EQ(first->focusedPart(), ShortcutListRow::Part::menu) << "Shift+Tab comes back in";
}

TEST(ShortcutSettingsPage, DeleteInARowsMenuIsDrawnInTheDestructiveColour) {
    test::ToolkitLook look;
    PageWorld w;
    w.add("a");
    QMenu* menu = w.row("a")->menu();
    QAction* remove = menu->actions().constLast();
    ASSERT_EQ(remove->text(), QStringLiteral("删除"));
    EXPECT_TRUE(ToolkitStyle::isDestructive(remove));
    EXPECT_FALSE(ToolkitStyle::isDestructive(menu->actions().constFirst()));
    menu->ensurePolished();
    menu->adjustSize();
    const QImage drawn = menu->grab().toImage();
    EXPECT_GT(pixelsNear(drawn, menu->actionGeometry(remove), Colors::destructive()), 5);
    EXPECT_EQ(pixelsNear(drawn, menu->actionGeometry(menu->actions().constFirst()),
                         Colors::destructive()),
              0);
}

TEST(ShortcutSettingsPage, TheSearchFieldIsRoundedAndSetLikeTheAddButton) {
    test::ToolkitLook look;
    PageWorld w;
    QLineEdit* search = w.page.searchField();
    EXPECT_EQ(search->width(), 180);
    EXPECT_EQ(search->font().family(), w.page.addButton()->font().family());
    EXPECT_EQ(search->font().pixelSize(), w.page.addButton()->font().pixelSize());
    EXPECT_EQ(search->height(), w.page.addButton()->height()) << "as tall as the button";
    const QImage drawn = search->grab().toImage();
    const QColor edge = drawn.pixelColor(search->width() / 2, 0);
    const QColor corner = drawn.pixelColor(0, 0);
    EXPECT_LT(edge.value(), 245) << "a border along the top";
    EXPECT_GT(corner.value(), edge.value()) << "and none in the rounded corner";
    EXPECT_EQ(drawn.pixelColor(search->width() / 2, search->height() / 2), QColor(Qt::white));
}

}  // namespace
}  // namespace tundle
