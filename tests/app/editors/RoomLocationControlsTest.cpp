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

}  // namespace
}  // namespace tundle
