#include <gtest/gtest.h>

#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

TEST(AppModelPanelTest, OneShortcutOpensAtATimeAndAFailureKeepsThePanel) {
    test::ModelTestWorld world;
    auto model = world.model();
    const ShortcutItem first{.kind = ShortcutKind::website, .target = "https://example.org/"};
    const ShortcutItem second{.kind = ShortcutKind::website, .target = "https://example.net/"};
    // While the first one opens: a second click, then a click that closes the panel.
    std::optional<QUuid> opening;
    const std::function<void()> meanwhile[] = {[&] {
                                                   opening = model->openingShortcut();
                                                   model->openShortcut(second);
                                               },
                                               [&] { model->closeFunctionPanel(); }};
    for (const auto& during : meanwhile) {
        model->toggleShortcuts();
        world.opener->opens = false;
        world.opener->during = during;
        model->openShortcut(first);
        EXPECT_EQ(model->openingShortcut(), std::nullopt);
    }
    EXPECT_EQ(opening, first.id);
    EXPECT_EQ(world.opener->opened, QStringList({first.target, first.target}));
    EXPECT_EQ(model->shortcutOpenError(), std::nullopt);

    model->toggleShortcuts();
    model->openShortcut(second);
    EXPECT_EQ(model->shortcutOpenError(), "系统未能打开该项目，请检查目标和默认应用。");
    EXPECT_EQ(model->functionPanel(), AppModel::FunctionPanel::shortcuts);
    world.opener->opens = true;
    model->openShortcut(second);
    EXPECT_EQ(model->functionPanel(), std::nullopt);
    EXPECT_EQ(model->shortcutOpenError(), std::nullopt);
}

TEST(AppModelPanelTest, ThePanelsExitsOpenTheControlCentre) {
    test::ModelTestWorld world;
    auto model = world.model();
    model->toggleShortcuts();
    model->say({.message = "还在这里", .actionTitle = QString("好")});
    model->openClipboard();
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
