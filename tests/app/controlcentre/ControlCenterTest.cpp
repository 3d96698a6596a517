#include "controlcentre/ControlCenter.h"

#include <gtest/gtest.h>

#include <QtTest/qtestspontaneevent.h>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include "WidgetLookup.h"
#include "controlcentre/ClipboardPage.h"
#include "controlcentre/HomePage.h"
#include "controlcentre/RestArtwork.h"
#include "controlcentre/RoomPreview.h"
#include "controlcentre/Sidebar.h"
#include "controlcentre/SidebarButton.h"
#include "drawing/PictureCache.h"
#include "editors/RoomSettingsEntry.h"
#include "editors/RoomSettingsSheet.h"
#include "pet/PetPreview.h"
#include "shell/ControlCenterWindow.h"
#include "support/FakeSessionEvents.h"
#include "support/ModelTestWorld.h"
#include "support/RunUntil.h"
#include "support/ScriptedFileChooser.h"
#include "support/ToolkitLook.h"
#include "toolkit/StyledButton.h"

namespace tundle {
namespace {

class ControlCenterTest : public ::testing::Test {
protected:
    ControlCenterTest() : model(world.model()) {
        window = std::make_unique<ControlCenterWindow>(
            *model, ControlCenter::Services{.session = session,
                                            .chooser = chooser,
                                            .pictures = pictures,
                                            .calendar = Calendar(QTimeZone::utc())});
    }

    ControlCenter& center() { return window->controlCenter(); }

    void present() {
        window->present();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // A click at `point` of `widget`, through the window as the pointer would give it.
    static void clickAt(QWidget& widget, QPoint point) {
        QTest::mouseClick(&widget, Qt::LeftButton, {}, point);
    }

    // One notch of the wheel down over the middle of `widget`, delivered as the window system
    // delivers it (spontaneous, as QTest's mouse clicks): what the widget ignores goes on to its
    // parents.
    static void wheelDownOver(QWidget& widget) {
        const QPointF centre = QRectF(widget.rect()).center();
        QWheelEvent wheel(centre, widget.mapToGlobal(centre), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(&widget, &wheel);
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model;
    test::FakeSessionEvents session;
    PictureCache pictures{[this] { return world.scheduler.elapsed; }};
    test::ScriptedFileChooser chooser;
    std::unique_ptr<ControlCenterWindow> window;
};

TEST_F(ControlCenterTest, SidebarRowsSelectPagesAndTheModelAloneSaysWhichIsShown) {
    present();
    Sidebar& sidebar = center().sidebar();
    ASSERT_TRUE(dynamic_cast<HomePage*>(center().page()));
    EXPECT_TRUE(sidebar.pageButton(PanelPage::home).isChecked());

    // The row is the button: a click beside the highlighted tile selects the page too.
    SidebarButton& clipboard = sidebar.pageButton(PanelPage::clipboard);
    EXPECT_FALSE(clipboard.tileRect().contains(QPoint(3, 3)));
    clickAt(clipboard, QPoint(3, 3));
    EXPECT_EQ(model->page(), PanelPage::clipboard);
    ASSERT_TRUE(dynamic_cast<ClipboardPage*>(center().page()));
    EXPECT_TRUE(clipboard.isChecked());
    EXPECT_FALSE(sidebar.pageButton(PanelPage::home).isChecked());

    // Clicking the selected page again keeps the same page and its state.
    QWidget* shown = center().page();
    clickAt(clipboard, clipboard.rect().center());
    EXPECT_TRUE(clipboard.isChecked()) << "a click does not toggle the selection off";
    EXPECT_EQ(center().page(), shown);

    // The breathing page is never listed: nothing is highlighted and the area is empty.
    model->setPage(PanelPage::breathing);
    EXPECT_EQ(center().page(), nullptr);
    for (const PanelPage page : Sidebar::pages) {
        EXPECT_FALSE(sidebar.pageButton(page).isChecked());
    }
    EXPECT_EQ(center().minimumSize(), ControlCenter::smallestSize);
}

TEST_F(ControlCenterTest, PageStateSurvivesModelChangesAndStartsAfreshOnEntering) {
    model->setPage(PanelPage::clipboard);
    present();
    QLineEdit* search = center().page()->findChild<QLineEdit*>();
    ASSERT_NE(search, nullptr);
    QTest::keyClicks(search, QStringLiteral("abc"));
    QWidget* shown = center().page();

    model->setPetScale(1.2);
    model->setReduceMotion(true);
    world.pass(*model, 5);
    EXPECT_EQ(center().page(), shown);
    EXPECT_EQ(search->text(), "abc");

    model->setPage(PanelPage::home);
    model->setPage(PanelPage::clipboard);
    ASSERT_NE(center().page(), shown);
    EXPECT_TRUE(center().page()->findChild<QLineEdit*>()->text().isEmpty());

    // Closing the window drops the page; opening it again builds a new one.
    search = center().page()->findChild<QLineEdit*>();
    QTest::keyClicks(search, QStringLiteral("x"));
    window->close();
    EXPECT_EQ(center().page(), nullptr);
    present();
    ASSERT_NE(center().page(), nullptr);
    EXPECT_TRUE(center().page()->findChild<QLineEdit*>()->text().isEmpty());
}

TEST_F(ControlCenterTest, EyeButtonFlipsThePetAndFollowsIt) {
    present();
    SidebarButton& eye = center().sidebar().eyeButton();
    EXPECT_EQ(eye.symbol(), "eye");
    EXPECT_EQ(eye.toolTip(), "隐藏桌面糯墩");

    // Without the shell's callback the flag still flips.
    eye.click();
    EXPECT_FALSE(model->petVisible());
    EXPECT_EQ(eye.symbol(), "eye.slash");
    EXPECT_EQ(eye.toolTip(), "显示桌面糯墩");
    EXPECT_EQ(eye.accessibleName(), "显示桌面糯墩");

    std::vector<bool> asked;
    model->setChangePetVisibility([&asked](bool visible) { asked.push_back(visible); });
    eye.click();
    EXPECT_TRUE(model->petVisible());
    EXPECT_EQ(asked, std::vector<bool>{true});
    model->setPetVisible(false);
    EXPECT_EQ(eye.symbol(), "eye.slash") << "the eye follows a change made elsewhere";
}

TEST_F(ControlCenterTest, RoomSheetFollowsTheFlagForItsWholeLife) {
    // Asked for while the window is closed (the tray's item), it shows once the window does.
    model->setRoomSettingsPresented(true);
    EXPECT_EQ(center().roomSheet(), nullptr);
    present();
    ASSERT_NE(center().roomSheet(), nullptr);
    EXPECT_TRUE(test::runUntil([this] { return center().roomSheet()->isVisible(); }));

    // Closing the sheet any way clears the flag; the page under it stays.
    QWidget* page = center().page();
    center().roomSheet()->cancelButton().click();
    EXPECT_FALSE(model->roomSettingsPresented());
    EXPECT_EQ(center().roomSheet(), nullptr);
    EXPECT_EQ(center().page(), page);

    // The home page's room entry opens it over whichever page is current.
    auto* home = dynamic_cast<HomePage*>(center().page());
    ASSERT_NE(home, nullptr);
    home->room().entry().settingsButton().click();
    EXPECT_TRUE(model->roomSettingsPresented());
    ASSERT_NE(center().roomSheet(), nullptr);
    model->setPage(PanelPage::settings);
    EXPECT_NE(center().roomSheet(), nullptr);

    // Clearing the flag closes the sheet and ends its draft.
    RoomEnvironment& draft = center().roomSheet()->draft();
    model->setRoomSettingsPresented(false);
    EXPECT_FALSE(draft.isVisible());
    EXPECT_TRUE(test::runUntil([this] { return center().roomSheet() == nullptr; }));

    // A window closed under an open sheet takes the sheet and the flag with it.
    model->setRoomSettingsPresented(true);
    ASSERT_NE(center().roomSheet(), nullptr);
    window->close();
    EXPECT_FALSE(model->roomSettingsPresented());
    present();
    EXPECT_EQ(center().roomSheet(), nullptr);
}

TEST_F(ControlCenterTest, ClosedOrMinimisedWindowRunsNothingAndHoldsNoBuffer) {
    present();
    auto* home = dynamic_cast<HomePage*>(center().page());
    ASSERT_NE(home, nullptr);
    PetPreview& pet = home->room().pet();
    EXPECT_TRUE(pet.isVisible());

    window->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_FALSE(pet.isVisible()) << "a minimised window pauses the live pet";
    window->setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_TRUE(pet.isVisible());
    EXPECT_EQ(center().page(), home) << "coming back from the dock is not entering the page";

    // The page's pictures, the resting artwork among them, come from the shared cache...
    const std::size_t held = pictures.size();
    EXPECT_FALSE(pictures.picture(RestArtwork::builtInPath(model->resourceFolder())).isNull());
    EXPECT_EQ(pictures.size(), held);

    window->close();
    EXPECT_TRUE(test::runUntil([this] { return window->backingStore() == nullptr; }));
    EXPECT_EQ(window->windowHandle(), nullptr);
    // ...and leave memory once the closed page's grace period is over.
    pictures.sweep();
    world.scheduler.elapsed += PictureCache::graceMilliseconds;
    pictures.sweep();
    EXPECT_EQ(pictures.size(), 0U);
    present();
    EXPECT_NE(window->backingStore(), nullptr);
    EXPECT_NE(center().page(), nullptr);
}

TEST_F(ControlCenterTest, TheWheelScrollsTheSettingsPageUntilAControlHasTheFocus) {
    test::ToolkitLook look;
    model->farm().setVisible(true);
    model->setPage(PanelPage::settings);
    present();
    QSlider* petSize = test::namedChild<QSlider>(*center().page(), QStringLiteral("桌宠大小"));
    QSlider* farmSize = test::namedChild<QSlider>(*center().page(), QStringLiteral("场景大小"));
    ASSERT_TRUE(petSize && farmSize);
    QScrollBar* scroll = center().pageArea().verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0) << "the page is taller than its window";
    const UserConfiguration saved = model->configuration().value();
    const double farmScale = model->farm().scale();

    for (QSlider* slider : {petSize, farmSize}) {
        const int position = slider->value();
        const int scrolled = scroll->value();
        wheelDownOver(*slider);
        EXPECT_EQ(slider->value(), position) << slider->accessibleName().toStdString();
        EXPECT_GT(scroll->value(), scrolled) << slider->accessibleName().toStdString();
        EXPECT_FALSE(slider->hasFocus()) << "the wheel gives no focus";
    }
    EXPECT_EQ(model->configuration().value(), saved);
    EXPECT_EQ(model->farm().scale(), farmScale);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    petSize->setFocus();
    const int scrolled = scroll->value();
    wheelDownOver(*petSize);
    EXPECT_LT(model->configuration().value().preferences.petScale, saved.preferences.petScale);
    EXPECT_EQ(scroll->value(), scrolled);
}

}  // namespace
}  // namespace tundle
