#include "controlcentre/FarmSettings.h"

#include <gtest/gtest.h>

#include <QSlider>
#include <QTest>

#include "WidgetLookup.h"
#include "support/ModelTestWorld.h"
#include "toolkit/SegmentedControl.h"

namespace tundle {
namespace {

using test::buttonNamed;
using test::namedChild;
using test::showing;
using test::shownTexts;

class FarmSettingsTest : public ::testing::Test {
protected:
    FarmSettingsTest() {
        model->setChangeFarmLayout([this] { ++layouts; });
        card.show();
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    int layouts = 0;
    FarmSettings card{*model, model->farm()};
};

TEST_F(FarmSettingsTest, TheSwitchShowsAndHidesTheFarmAndItsControls) {
    QAbstractButton* shown = buttonNamed(card, QStringLiteral("桌面农场"));
    QSlider* scale = namedChild<QSlider>(card, QStringLiteral("场景大小"));
    ASSERT_TRUE(shown && scale);
    EXPECT_TRUE(shown->isChecked());
    EXPECT_TRUE(showing(scale));
    EXPECT_TRUE(shownTexts(card).contains(QStringLiteral("收起后作物仍会继续生长 · 0 糯币")));
    EXPECT_TRUE(shownTexts(card).contains(QStringLiteral("85%")));

    shown->click();
    EXPECT_FALSE(model->farm().visible());
    EXPECT_EQ(layouts, 1);
    EXPECT_FALSE(showing(scale));
    EXPECT_FALSE(shownTexts(card).contains(QStringLiteral("场景大小")));

    model->setFarmVisible(true);  // as the tray does
    EXPECT_TRUE(shown->isChecked());
    EXPECT_TRUE(showing(scale));
}

TEST_F(FarmSettingsTest, ScaleAndBalanceAreSavedAndLaidOut) {
    QSlider* scale = namedChild<QSlider>(card, QStringLiteral("场景大小"));
    scale->setValue(scale->maximum());
    EXPECT_EQ(model->farm().scale(), 1.2);
    EXPECT_TRUE(shownTexts(card).contains(QStringLiteral("120%")));
    scale->setValue(scale->minimum());
    EXPECT_EQ(model->farm().scale(), 0.6);
    EXPECT_TRUE(shownTexts(card).contains(QStringLiteral("60%")));
    EXPECT_EQ(layouts, 2);
    EXPECT_EQ(FarmStore(world.defaults).scale(), 0.6) << "saved";

    auto* balance = namedChild<SegmentedControl>(card, QStringLiteral("糯墩与田地比例"));
    ASSERT_TRUE(balance);
    const QPoint lastSegment(balance->width() * 5 / 6, balance->height() / 2);
    QTest::mouseClick(balance, Qt::LeftButton, {}, lastSegment);
    EXPECT_EQ(model->farm().balance(), FarmBalance::farm);
    QTest::mouseClick(balance, Qt::LeftButton, {}, lastSegment);
    EXPECT_EQ(layouts, 4) << "laid out again even when nothing changed";
    EXPECT_EQ(FarmStore(world.defaults).balance(), FarmBalance::farm);

    model->farm().setBalance(FarmBalance::pet);
    EXPECT_EQ(balance->currentIndex(), 0);
    model->farm().setScale(0.95);
    EXPECT_EQ(scale->value(), 7);
    EXPECT_EQ(layouts, 4) << "following the store lays nothing out";
}

}  // namespace
}  // namespace tundle
