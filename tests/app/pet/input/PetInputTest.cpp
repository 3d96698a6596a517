#include <gtest/gtest.h>

#include <QMimeData>
#include <QTest>

#include <QAccessible>
#include <QMenu>

#include "accessories/AccessoryRing.h"
#include "drawing/YUpSpace.h"
#include "model/FarmStore.h"
#include "pet/PetPanel.h"
#include "pet/input/PetInput.h"
#include "support/ModelTestWorld.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

// A shown pet panel after its first layout: the pet of 254 pt at (170, 0), the ring at base
// 41 (the shortcuts button's artwork at (67, 105, 50, 46), the toggle at (82, 13, 26, 24)).
struct InputWorld {
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    MemoryDefaults farmDefaults;
    FarmStore farm{farmDefaults};
    PetPanel panel{*model, farm};
    PetCanvas& canvas = panel.canvas();
    int moves = 0;

    InputWorld() {
        model->dismissBubble();
        farm.setVisible(false);
        panel.setGeometry(100, 11, 444, 569);
        panel.show();
        canvas.tick();
        canvas.onMoved = [this] { ++moves; };
    }
    QPointF qt(QPointF up) const { return YUpSpace(canvas.height()).toQt(up); }
    bool hit(QPointF up) const { return canvas.interactiveHit(qt(up)); }
    void mouse(QEvent::Type type, QPointF up, QPointF global) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, qt(up), qt(up), global, button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&canvas, &event);
    }
    // A press at `up`, a move of the pointer by `delta` and the release there.
    void drag(QPointF up, QPointF delta) {
        const QPointF start(600, 500);
        mouse(QEvent::MouseButtonPress, up, start);
        mouse(QEvent::MouseMove, up + QPointF(delta.x(), -delta.y()), start + delta);
        mouse(QEvent::MouseButtonRelease, up + QPointF(delta.x(), -delta.y()), start + delta);
    }
};

const QPointF opaque(297, 100), transparent(172, 2), buttonCore(70, 128), pill(57, 128),
    toggle(90, 20), abovePet(200, 300);

TEST(PetInputTest, TheRingTakesClicksOnItsControlsOnly) {
    InputWorld w;
    AccessoryButton* shortcuts = w.canvas.accessoryRing()->buttons()[0];
    EXPECT_TRUE(w.hit(buttonCore));
    EXPECT_FALSE(w.hit(pill));
    EXPECT_TRUE(w.hit(toggle));
    EXPECT_FALSE(w.hit(abovePet));
    shortcuts->setReduceMotion(true);
    shortcuts->track({70, 23});
    EXPECT_TRUE(w.hit(pill));

    w.model->toggleShortcuts();
    w.canvas.updateFunctionLayout();
    EXPECT_TRUE(shortcuts->isActive());
    EXPECT_TRUE(w.hit(abovePet));
    w.model->toggleShortcuts();
    w.canvas.updateFunctionLayout();
    EXPECT_FALSE(w.hit(abovePet));

    // Folded: the buttons go, the toggle stays and says so.
    w.canvas.accessoryRing()->toggle().click();
    EXPECT_TRUE(w.model->accessoriesCollapsed());
    EXPECT_FALSE(w.hit(buttonCore));
    EXPECT_TRUE(w.hit(toggle));
    EXPECT_EQ(w.canvas.accessoryRing()->toggle().toolTip(), "展开功能按钮");
}

TEST(PetInputTest, DraggingThePetMovesThePanelAndAClickPetsIt) {
    InputWorld w;
    w.drag(opaque, {3, 0});
    EXPECT_EQ(w.panel.pos(), QPoint(100, 11));
    EXPECT_EQ(w.moves, 0);
    EXPECT_NE(w.model->animation(), "idle");
    EXPECT_FALSE(w.model->bubble().isEmpty());

    w.model->dismissBubble();
    w.model->stopAnimation();
    w.model->toggleShortcuts();
    w.drag(opaque, {4, 0});
    EXPECT_EQ(w.panel.pos(), QPoint(104, 11));
    EXPECT_EQ(w.moves, 1);
    EXPECT_FALSE(w.model->functionPanel());
    EXPECT_TRUE(w.model->bubble().isEmpty());

    // A click on a transparent pixel of the sprite does nothing.
    w.drag(transparent, {0, 0});
    EXPECT_TRUE(w.model->bubble().isEmpty());

    // From the bubble or the farm: never.
    int actions = 0;
    w.model->say({.message = "要喝水吗",
                  .actionTitle = QStringLiteral("好的"),
                  .action = [&actions] { ++actions; }});
    const QRectF action =
        w.canvas.bubbleLayout().actionRect.translated(w.canvas.bubbleRect().topLeft());
    w.drag(action.center(), {40, 40});
    EXPECT_EQ(actions, 1);
    EXPECT_FALSE(w.model->bubble().isEmpty());
    w.drag(w.canvas.bubbleRect().center() + QPointF(0, 1), {40, 40});
    EXPECT_TRUE(w.model->bubble().isEmpty());
    w.farm.setVisible(true);
    w.drag(w.canvas.farmSceneRect().center(), {40, 40});
    EXPECT_EQ(w.panel.pos(), QPoint(104, 11));
    EXPECT_EQ(w.moves, 1);
}

TEST(PetInputTest, FilesAreTakenOnlyOverThePetsOpaquePixels) {
    InputWorld w;
    QTemporaryDir folder(QDir::homePath() + "/dropXXXXXX");
    const QString file = folder.filePath("crumb");
    test::writeAll(file, "crumb");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(file), QUrl("https://example.com/a")});
    QMimeData text;
    text.setText("text");
    text.setUrls({QUrl("https://example.com/a")});

    const auto send = [&](QEvent::Type type, QPointF up, const QMimeData& data) {
        QDropEvent event(w.qt(up), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                         Qt::NoModifier, type);
        QCoreApplication::sendEvent(&w.canvas, &event);
        return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
    };

    EXPECT_EQ(send(QEvent::DragEnter, opaque, text), Qt::IgnoreAction);
    EXPECT_FALSE(w.canvas.draggingFile());

    // Over the transparent corner the drag is followed but refused; the sprite turns
    // interactive so the panel keeps the drag.
    EXPECT_EQ(send(QEvent::DragEnter, transparent, files), Qt::IgnoreAction);
    EXPECT_TRUE(w.canvas.draggingFile());
    EXPECT_TRUE(w.hit(transparent));
    EXPECT_EQ(send(QEvent::DragMove, opaque, files), Qt::CopyAction);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&w.canvas, &leave);
    EXPECT_FALSE(w.canvas.draggingFile());
    EXPECT_FALSE(w.hit(transparent));

    send(QEvent::DragEnter, transparent, files);
    EXPECT_EQ(send(QEvent::Drop, transparent, files), Qt::IgnoreAction);
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_FALSE(w.canvas.draggingFile());

    // Reported as a copy, though the file went to the Trash.
    send(QEvent::DragEnter, opaque, files);
    EXPECT_EQ(send(QEvent::Drop, opaque, files), Qt::CopyAction);
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(w.model->animation(), "eating");
    EXPECT_FALSE(w.canvas.draggingFile());

    // The same file again is refused by the feeding and the drop says so.
    send(QEvent::DragEnter, opaque, files);
    EXPECT_EQ(send(QEvent::Drop, opaque, files), Qt::IgnoreAction);
}

TEST(PetInputTest, AssistiveTechnologyPressesThePetAndTheButtons) {
    InputWorld w;
    const auto press = [](QWidget* widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_TRUE(accessible && accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(&w.canvas);
    EXPECT_NE(w.model->animation(), "idle");
    AccessoryButton* shortcuts = w.canvas.accessoryRing()->buttons()[0];
    EXPECT_EQ(QAccessible::queryAccessibleInterface(shortcuts)->role(), QAccessible::Button);
    press(shortcuts);
    EXPECT_TRUE(w.model->functionPanel());
}

TEST(PetInputTest, TheContextMenuOffersHomeClipboardAndHiding) {
    InputWorld w;
    std::vector<PanelPage> pages;
    w.model->setShowPanel([&pages](PanelPage page) { pages.push_back(page); });
    std::unique_ptr<QMenu> menu = PetInput(w.canvas, *w.model).contextMenu();
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? "-" : action->text());
    }
    ASSERT_EQ(texts, QStringList({"打开糯墩", "剪贴板历史", "-", "隐藏桌宠"}));
    menu->actions()[0]->trigger();
    menu->actions()[1]->trigger();
    EXPECT_EQ(pages, std::vector({PanelPage::home, PanelPage::clipboard}));
    menu->actions()[3]->trigger();
    EXPECT_FALSE(w.model->petVisible());
}

TEST(PetInputTest, AClickOnAPlotSelectsItAndNeverDragsThePanel) {
    InputWorld input;
    input.farm.setVisible(true);
    input.panel.setGeometry(100, 11, 445, 655);
    input.canvas.tick();
    const std::vector<QRectF> plots = input.canvas.plotRects();
    ASSERT_EQ(plots.size(), 9u);
    const QPointF plot = plots[4].center();
    input.drag(plot, QPointF(0, 0));
    EXPECT_EQ(input.canvas.farmPointer().selected, 4);
    const QPoint before = input.panel.pos();
    input.drag(plots[0].center(), QPointF(40, 0));
    EXPECT_EQ(input.panel.pos(), before) << "a drag that starts on a plot never moves the panel";
    EXPECT_EQ(input.moves, 0);
}

}  // namespace
}  // namespace tundle
