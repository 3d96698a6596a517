#include "controlcentre/FarmSettings.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSlider>

#include "WidgetLookup.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

using test::buttonNamed;
using test::namedChild;
using test::showing;

QStringList shownTexts(const QWidget& root) {
    QStringList texts;
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (showing(label)) {
            texts << label->text();
        }
    }
    return texts;
}

TEST(FarmSettingsTest, TheSwitchShowsAndHidesTheFarmAndItsControls) {
    test::ModelTestWorld world;
    auto model = world.model();
    int layouts = 0;
    model->setChangeFarmLayout([&] { ++layouts; });
    FarmSettings card(*model, model->farm());
    card.show();
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

TEST(FarmSettingsTest, ScaleAndBalanceAreSavedAndLaidOut) {
    test::ModelTestWorld world;
    auto model = world.model();
    int layouts = 0;
    model->setChangeFarmLayout([&] { ++layouts; });
    FarmSettings card(*model, model->farm());
    card.show();
    QSlider* scale = namedChild<QSlider>(card, QStringLiteral("场景大小"));
    scale->setValue(scale->maximum());
    EXPECT_EQ(model->farm().scale(), 1.2);
    EXPECT_TRUE(shownTexts(card).contains(QStringLiteral("120%")));
    scale->setValue(scale->minimum());
    EXPECT_EQ(model->farm().scale(), 0.6);
    EXPECT_TRUE(shownTexts(card).contains(QStringLiteral("60%")));
    EXPECT_EQ(layouts, 2);
    EXPECT_EQ(FarmStore(world.defaults).scale(), 0.6) << "saved";

    buttonNamed(card, QStringLiteral("农场突出"))->click();
    EXPECT_EQ(model->farm().balance(), FarmBalance::farm);
    buttonNamed(card, QStringLiteral("农场突出"))->click();
    EXPECT_EQ(layouts, 4) << "laid out again even when nothing changed";
    EXPECT_EQ(FarmStore(world.defaults).balance(), FarmBalance::farm);

    model->farm().setBalance(FarmBalance::pet);
    EXPECT_TRUE(buttonNamed(card, QStringLiteral("糯墩突出"))->isChecked());
    EXPECT_FALSE(buttonNamed(card, QStringLiteral("农场突出"))->isChecked());
    model->farm().setScale(0.95);
    EXPECT_EQ(scale->value(), 7);
    EXPECT_EQ(layouts, 4) << "following the store lays nothing out";
}

}  // namespace
}  // namespace tundle
