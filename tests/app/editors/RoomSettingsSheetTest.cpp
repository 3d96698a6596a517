#include "editors/RoomSettingsSheet.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsEffect>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "FocusWalk.h"
#include "core/room/RoomFixture.h"
#include "drawing/PictureCache.h"
#include "editors/ErrorLine.h"
#include "editors/RoomLocationControls.h"
#include "support/FakeSessionEvents.h"
#include "support/ToolkitLook.h"
#include "toolkit/Colors.h"
#include "toolkit/SegmentedControl.h"
#include "toolkit/StyledButton.h"

namespace tundle {
namespace {

class RoomSettingsSheetTest : public test::RoomFixture {
protected:
    RoomSettingsSheetTest() { setRoom(RoomMode::weather, test::beijing()); }

    std::unique_ptr<RoomSettingsSheet> open(const QString& attribution = {}) {
        auto sheet = std::make_unique<RoomSettingsSheet>(
            *room, session, pictures, false, [this] { return now; }, nullptr, attribution);
        sheet->open();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(sheet.get()));
        QCoreApplication::processEvents();
        return sheet;
    }

    test::FakeSessionEvents session;
    PictureCache pictures{[] { return qint64(0); }};
    std::unique_ptr<RoomEnvironment> room = make();
};

TEST_F(RoomSettingsSheetTest, EveryWayOutEndsTheDraftAndOnlyApplyChangesTheRoom) {
    const std::vector<std::pair<const char*, std::function<void(RoomSettingsSheet&)>>> ways{
        {"cancel", [](RoomSettingsSheet& s) { s.cancelButton().click(); }},
        {"close button", [](RoomSettingsSheet& s) { s.closeButton().click(); }},
        {"escape", [](RoomSettingsSheet& s) { QTest::keyClick(&s, Qt::Key_Escape); }},
        {"window close", [](RoomSettingsSheet& s) { s.close(); }},
        {"hidden", [](RoomSettingsSheet& s) { s.hide(); }},
        {"apply", [](RoomSettingsSheet& s) { s.applyButton().click(); }},
    };
    for (const auto& [name, leave] : ways) {
        SCOPED_TRACE(name);
        const bool applying = std::string(name) == "apply";
        auto sheet = open();
        RoomEnvironment& draft = sheet->draft();
        EXPECT_TRUE(draft.isVisible()) << "the draft runs while the sheet is on screen";
        draft.update([](RoomPreferences& p) { p.location = test::shanghai(); });
        draft.searchCity(QStringLiteral("苏州"));
        ASSERT_TRUE(draft.searching());
        if (!applying) {
            draft.locate();
            ASSERT_TRUE(source && source->updating);
        }

        leave(*sheet);
        QCoreApplication::processEvents();
        EXPECT_FALSE(sheet->isVisible());
        EXPECT_FALSE(draft.isVisible());
        EXPECT_FALSE(draft.searching());
        EXPECT_FALSE(draft.locating());
        EXPECT_TRUE(!source || !source->updating);
        EXPECT_EQ(room->preferences().location, applying ? test::shanghai() : test::beijing());
        EXPECT_EQ(store.value().device.room->location,
                  applying ? test::shanghai() : test::beijing());
        source = nullptr;
    }
}

TEST_F(RoomSettingsSheetTest, ReturnSearchesInTheCityFieldAndAppliesElsewhere) {
    auto sheet = open();
    QLineEdit& field = sheet->locationControls().field();
    field.setFocus();
    field.setText(QStringLiteral("苏州"));
    QTest::keyClick(&field, Qt::Key_Return);
    ASSERT_NE(geocoder, nullptr);
    EXPECT_EQ(geocoder->addresses, QStringList{QStringLiteral("苏州")});
    EXPECT_TRUE(sheet->isVisible()) << "Return in the field never applies";
    EXPECT_EQ(room->preferences().location, test::beijing());

    sheet->locationControls().choose(test::shanghai());
    sheet->modePicker().setFocus();
    QTest::keyClick(&sheet->modePicker(), Qt::Key_Return);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(room->preferences().location, test::shanghai());
    EXPECT_EQ(store.value().device.room->location, test::shanghai());
}

TEST_F(RoomSettingsSheetTest, ApplyWaitsForAPlaceInWeatherModeAndModesChangeTheDraftOnly) {
    setRoom(RoomMode::weather, std::nullopt);
    auto sheet = open();
    RoomEnvironment& draft = sheet->draft();
    EXPECT_FALSE(sheet->applyButton().isEnabled()) << "live weather without a city";
    QTest::keyClick(&sheet->modePicker(), Qt::Key_Return);
    EXPECT_TRUE(sheet->isVisible()) << "Return does nothing while apply is held back";

    draft.searchCity(QStringLiteral("苏州"));
    QTest::keyClick(&sheet->modePicker(), Qt::Key_Right);
    EXPECT_EQ(draft.preferences().mode, RoomMode::daylight);
    EXPECT_FALSE(draft.searching()) << "leaving live weather stops the city search";
    EXPECT_TRUE(sheet->applyButton().isEnabled());
    EXPECT_EQ(sheet->daylightNote().text(),
              QStringLiteral("按本机时间调整白天、黄昏与夜间光线，不获取天气。"));
    EXPECT_FALSE(sheet->locationControls().isVisible());

    draft.update([](RoomPreferences& p) { p.location = test::shanghai(); });
    EXPECT_EQ(sheet->daylightNote().text(), QStringLiteral("按") + test::shanghai().name +
                                                QStringLiteral("的日出日落调整光线，不获取天气。"));

    QTest::keyClick(&sheet->modePicker(), Qt::Key_Right);
    sheet->weatherPicker().setCurrentIndex(3);
    emit sheet->weatherPicker().activated(3);
    EXPECT_EQ(draft.preferences().mode, RoomMode::fixed);
    EXPECT_EQ(draft.preferences().fixedWeather, RoomWeather::storm);
    EXPECT_EQ(room->preferences().mode, RoomMode::weather) << "nothing changes before apply";
    EXPECT_FALSE(sheet->clearCacheBox().isChecked());
}

TEST_F(RoomSettingsSheetTest, TabGoesFromTheHeaderThroughTheControlsToTheFooterInEveryMode) {
    const test::ToolkitLook look;
    auto sheet = open();
    QApplication::setActiveWindow(sheet.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
    test::expectFocusFollowsTheForm(*sheet, QStringLiteral("实时天气"));

    sheet->locationControls().field().setText(QStringLiteral("苏州"));
    sheet->locationControls().searchButton().click();
    ASSERT_NE(geocoder, nullptr);
    geocoder->pending.back()(std::vector<Placemark>{
        Placemark{Placemark::Coordinate{31.3, 120.6}, QStringLiteral("苏州")},
        Placemark{Placemark::Coordinate{31.4, 120.9}, QStringLiteral("昆山")}});
    ASSERT_EQ(sheet->locationControls().resultButtons().size(), 2u);
    for (QToolButton* toggle : sheet->findChildren<QToolButton*>()) {
        if (toggle->text() == QStringLiteral("更多选项")) {
            toggle->click();
        }
    }
    ASSERT_TRUE(sheet->clearCacheBox().isVisible());
    QApplication::processEvents();
    test::expectFocusFollowsTheForm(*sheet, QStringLiteral("实时天气, results and more options"));

    QTest::keyClick(&sheet->modePicker(), Qt::Key_Right);
    QApplication::processEvents();
    test::expectFocusFollowsTheForm(*sheet, QStringLiteral("随昼夜"));
    QTest::keyClick(&sheet->modePicker(), Qt::Key_Right);
    QApplication::processEvents();
    test::expectFocusFollowsTheForm(*sheet, QStringLiteral("自定义"));
}

TEST_F(RoomSettingsSheetTest, AFailedApplyKeepsTheSheetOpenWithItsMessage) {
    auto sheet = open();
    sheet->draft().update([](RoomPreferences& p) {
        p.location = WeatherLocation{QStringLiteral("远方"), 999, 0};
    });
    sheet->applyButton().click();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_TRUE(sheet->draft().isVisible()) << "the draft goes on";
    EXPECT_FALSE(sheet->errorLine().isHidden());
    EXPECT_FALSE(sheet->errorLine().text().isEmpty());
    EXPECT_TRUE(sheet->footerHint().isHidden());
    EXPECT_EQ(room->preferences().location, test::beijing());

    sheet->locationControls().choose(test::shanghai());
    sheet->applyButton().click();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(room->preferences().location, test::shanghai());
}

TEST_F(RoomSettingsSheetTest, TheAttributionLinkNeedsAnAddressAndLiveWeather) {
    EXPECT_TRUE(open()->attributionLink().isHidden());
    auto sheet = open(QStringLiteral("https://weather.example/attribution"));
    EXPECT_FALSE(sheet->attributionLink().isHidden());
    EXPECT_TRUE(sheet->attributionLink().text().contains("https://weather.example/attribution"));
    sheet->draft().update([](RoomPreferences& p) { p.mode = RoomMode::fixed; });
    EXPECT_TRUE(sheet->attributionLink().isHidden());
}

TEST_F(RoomSettingsSheetTest, AHeldBackApplyIsDrawnAtHalfOpacity) {
    setRoom(RoomMode::weather, std::nullopt);
    auto sheet = open();
    StyledButton& apply = sheet->applyButton();
    ASSERT_FALSE(apply.isEnabled());
    // The shadow under the button would tint the measurement.
    ASSERT_TRUE(apply.graphicsEffect());
    apply.graphicsEffect()->setEnabled(false);
    const QImage image = apply.grab().toImage();
    const QColor ground = apply.palette().color(QPalette::Window);
    const QColor drawn = image.pixelColor(image.width() / 2, 3);
    const QColor fill = Colors::accent();
    const double opacity =
        double(ground.green() - drawn.green()) / double(ground.green() - fill.green());
    EXPECT_NEAR(opacity, 0.5, 0.015);
}

}  // namespace
}  // namespace tundle
