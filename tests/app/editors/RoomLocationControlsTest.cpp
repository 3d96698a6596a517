#include "editors/RoomLocationControls.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "core/room/RoomFixture.h"
#include "editors/CityResultButton.h"
#include "toolkit/Colors.h"
#include "toolkit/StyledButton.h"

namespace tundle {
namespace {

class RoomLocationControlsTest : public test::RoomFixture {
protected:
    RoomLocationControlsTest() {
        setRoom(RoomMode::weather, std::nullopt);
        draft = room->makeDraft();
    }
    // Ten places, one a degree apart.
    void answerTen() {
        std::vector<Placemark> places;
        for (int index = 0; index < 10; ++index) {
            places.push_back(Placemark{Placemark::Coordinate{20.0 + index, 110},
                                       QStringLiteral("城%1").arg(index)});
        }
        geocoder->pending.back()(places);
    }

    std::unique_ptr<RoomEnvironment> room = make();
    std::unique_ptr<RoomEnvironment> draft;
};

TEST_F(RoomLocationControlsTest, ReturnInTheFieldSearchesInsteadOfApplying) {
    QDialog sheet;
    auto* controls = new RoomLocationControls(*draft, &sheet);
    auto* apply = new QPushButton(QStringLiteral("应用"), &sheet);
    apply->setDefault(true);
    int applied = 0;
    QObject::connect(apply, &QPushButton::clicked, [&] { ++applied; });
    auto* layout = new QVBoxLayout(&sheet);
    layout->addWidget(controls);
    layout->addWidget(apply);
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    controls->field().setFocus();

    QTest::keyClicks(&controls->field(), QStringLiteral("  "));
    EXPECT_FALSE(controls->searchButton().isEnabled()) << "spaces only";
    QTest::keyClick(&controls->field(), Qt::Key_Return);
    EXPECT_TRUE(!geocoder || geocoder->addresses.isEmpty()) << "the draft ignores an empty query";

    controls->field().setText(QStringLiteral("苏州"));
    EXPECT_TRUE(controls->searchButton().isEnabled());
    QTest::keyClick(&controls->field(), Qt::Key_Return);
    ASSERT_NE(geocoder, nullptr);
    EXPECT_EQ(geocoder->addresses, QStringList{QStringLiteral("苏州")});
    EXPECT_EQ(applied, 0);
    EXPECT_TRUE(sheet.isVisible());

    EXPECT_EQ(controls->searchButton().text(), QStringLiteral("查询中"));
    EXPECT_FALSE(controls->searchButton().isEnabled());
    QTest::keyClick(&controls->field(), Qt::Key_Enter);
    EXPECT_EQ(geocoder->addresses.size(), 1) << "one search at a time";
    EXPECT_EQ(applied, 0);
}

TEST_F(RoomLocationControlsTest, ResultsShowTheFirstFiveAndChoosingOneClearsTheSearch) {
    RoomLocationControls controls(*draft);
    EXPECT_EQ(controls.cityButton().text(), QStringLiteral("选择常用城市"));
    controls.field().setText(QStringLiteral("城"));
    controls.search();
    answerTen();
    ASSERT_EQ(controls.resultButtons().size(), 5u);
    EXPECT_TRUE(controls.resultButtons()[0]->text().startsWith(QStringLiteral("城0")));
    EXPECT_TRUE(controls.resultButtons()[4]->text().startsWith(QStringLiteral("城4")));

    controls.resultButtons()[2]->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(draft->preferences().location->name, QStringLiteral("城2"));
    EXPECT_TRUE(controls.field().text().isEmpty());
    EXPECT_TRUE(controls.resultButtons().empty());
    EXPECT_TRUE(draft->searchResults().empty());
    EXPECT_EQ(controls.cityButton().text(), QStringLiteral("城2"));
    EXPECT_FALSE(room->preferences().location) << "only the draft changes";

    controls.cityMenu().actions().at(1)->trigger();
    EXPECT_EQ(draft->preferences().location, WeatherLocation::cities().at(1));
}

TEST_F(RoomLocationControlsTest, LocatingShowsItselfAndTheNoteFollowsTheStatus) {
    RoomLocationControls controls(*draft);
    EXPECT_EQ(controls.noteLabel().text(), QStringLiteral("选择城市后跟随天气"))
        << "a status about the city";
    draft->update([](RoomPreferences& room) { room.mode = RoomMode::daylight; });
    EXPECT_EQ(controls.noteLabel().text(),
              QStringLiteral("仅使用大致位置；城市搜索在本机离线完成。"));

    draft->update([](RoomPreferences& room) { room.mode = RoomMode::weather; });
    controls.locateButton().click();
    ASSERT_TRUE(draft->locating());
    EXPECT_EQ(controls.locateButton().text(), QStringLiteral("正在定位…"));
    EXPECT_FALSE(controls.locateButton().isEnabled());
    EXPECT_EQ(controls.noteLabel().text(), draft->status());

    controls.choose(WeatherLocation::cities().at(2));
    EXPECT_FALSE(draft->locating());
    EXPECT_EQ(controls.locateButton().text(), QStringLiteral("使用本机位置"));
    EXPECT_TRUE(controls.locateButton().isEnabled());
}

// The columns of `image` holding a pixel near `color`, left to right.
std::vector<int> columnsIn(const QImage& image, const QColor& color) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - color.red()) + std::abs(pixel.green() - color.green()) +
                    std::abs(pixel.blue() - color.blue()) <
                24) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}

TEST_F(RoomLocationControlsTest, AResultIsItsNameThenItsKeyAtTheTrailingEdgeInTheSecondaryColour) {
    RoomLocationControls controls(*draft);
    controls.resize(360, 300);
    controls.show();
    controls.field().setText(QStringLiteral("城"));
    controls.search();
    answerTen();
    QCoreApplication::processEvents();
    ASSERT_FALSE(controls.resultButtons().empty());
    CityResultButton& first = *controls.resultButtons().front();
    EXPECT_EQ(first.text(), QStringLiteral("城0"));
    EXPECT_EQ(first.key(), QStringLiteral("20.0,110.0"));
    EXPECT_EQ(first.width(), controls.width()) << "the row spans the block";

    const QImage image = first.grab().toImage();
    const std::vector<int> name = columnsIn(image, Colors::accent());
    const std::vector<int> key = columnsIn(image, Colors::muted());
    ASSERT_FALSE(name.empty());
    ASSERT_FALSE(key.empty());
    EXPECT_LT(name.front(), 8) << "the name starts at the leading edge";
    EXPECT_LT(name.back(), image.width() / 3) << "only the name is orange";
    EXPECT_GT(key.front(), image.width() / 2) << "the key sits after a spacer";
    EXPECT_GT(key.back(), image.width() - 8) << "and ends at the trailing edge";
}

TEST_F(RoomLocationControlsTest, TheCommonCityMenuLabelStartsAtTheLeadingEdgeOfTheFullWidth) {
    RoomLocationControls controls(*draft);
    controls.resize(360, 300);
    controls.show();
    QCoreApplication::processEvents();
    StyledButton& city = controls.cityButton();
    EXPECT_EQ(city.width(), controls.width());
    const QImage image = city.grab().toImage();
    const std::vector<int> label = columnsIn(image, Colors::ink());
    ASSERT_FALSE(label.empty());
    EXPECT_LE(label.front(), int(city.recipe().padding.left()) + 6) << "the symbol leads";
    EXPECT_LT(label.back(), image.width() / 2);
}

}  // namespace
}  // namespace tundle
