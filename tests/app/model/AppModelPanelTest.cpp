#include <gtest/gtest.h>

#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

using test::ModelTestWorld;

ShortcutItem website(const QString& address) {
    return ShortcutItem{.kind = ShortcutKind::website, .name = "站点", .target = address};
}

TEST(AppModelPanelTest, OneShortcutOpensAtATime) {
    ModelTestWorld world;
    auto model = world.model();
    const ShortcutItem first = website("https://example.org/");
    const ShortcutItem second = website("https://example.net/");

    model->toggleShortcuts();
    std::optional<QUuid> opening;
    world.opener->during = [&] {
        opening = model->openingShortcut();
        model->openShortcut(second);
    };
    world.opener->opens = false;
    model->openShortcut(first);
    EXPECT_EQ(opening, first.id);
    EXPECT_EQ(world.opener->opened, QStringList({"https://example.org/"}));
    EXPECT_EQ(model->openingShortcut(), std::nullopt);
    EXPECT_EQ(model->shortcutOpenError(), "系统未能打开该项目，请检查目标和默认应用。");
    EXPECT_EQ(model->functionPanel(), AppModel::FunctionPanel::shortcuts);

    world.opener->opens = true;
    model->openShortcut(second);
    EXPECT_EQ(model->functionPanel(), std::nullopt);
    EXPECT_EQ(model->shortcutOpenError(), std::nullopt);

    // Closed by a click elsewhere before the answer came: the answer is not shown.
    model->toggleShortcuts();
    world.opener->opens = false;
    world.opener->during = [&] { model->closeFunctionPanel(); };
    model->openShortcut(first);
    EXPECT_EQ(model->openingShortcut(), std::nullopt);
    EXPECT_EQ(model->shortcutOpenError(), std::nullopt);
}

TEST(AppModelPanelTest, ThePanelsExitsOpenTheControlCentre) {
    ModelTestWorld world;
    auto model = world.model();
    model->toggleShortcuts();
    model->say("还在这里", {}, QString("好"));
    EXPECT_TRUE(model->hasParkedBubble());
    model->openClipboard();
    EXPECT_EQ(model->functionPanel(), std::nullopt);
    EXPECT_EQ(model->bubble(), "还在这里");

    std::vector<PanelPage> shown;
    model->setShowPanel([&](PanelPage page) { shown.push_back(page); });
    for (const auto open : {&AppModel::openShortcutSettings, &AppModel::openClipboard}) {
        model->toggleShortcuts();
        (model.get()->*open)();
        EXPECT_EQ(model->functionPanel(), std::nullopt);
    }
    EXPECT_EQ(shown, std::vector<PanelPage>({PanelPage::shortcuts, PanelPage::clipboard}));
}

}  // namespace
}  // namespace tundle
