#include "editors/ConfigurationPreview.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include "FocusWalk.h"
#include "config/ConfigurationPackage.h"
#include "editors/ShortcutPreviewList.h"
#include "support/ToolkitLook.h"
#include "toolkit/TextBlock.h"

namespace tundle {
namespace {

QStringList texts(const QWidget& root) {
    QStringList shown;
    for (const TextBlock* block : root.findChildren<TextBlock*>()) {
        shown << block->text();
    }
    return shown;
}

TEST(ConfigurationPreview, TitlesAndTheImportNoteFollowTheDirection) {
    const ConfigurationPackage package{UserConfiguration{}};
    const QString note =
        QStringLiteral("确认后应用。导入前会自动备份现有配置，导入快捷方式不会打开任何目标。");
    ConfigurationPreview exporting(package, true);
    EXPECT_TRUE(texts(exporting).contains(QStringLiteral("导出内容预览")));
    EXPECT_FALSE(texts(exporting).contains(note));
    EXPECT_EQ(exporting.confirmButton()->text(), QStringLiteral("选择保存位置…"));
    EXPECT_TRUE(texts(exporting).contains(package.summary()));

    ConfigurationPreview importing(package, false);
    EXPECT_TRUE(texts(importing).contains(QStringLiteral("导入内容预览")));
    EXPECT_TRUE(texts(importing).contains(note));
    EXPECT_EQ(importing.confirmButton()->text(), QStringLiteral("确认导入"));
}

TEST(ConfigurationPreview, TabGoesFromTheContentToTheButtons) {
    const test::ToolkitLook look;
    QWidget window;
    window.resize(700, 600);
    window.show();
    UserConfiguration configuration;
    auto* preview = new ConfigurationPreview(ConfigurationPackage{configuration}, false, &window);
    preview->open();
    QApplication::setActiveWindow(preview);
    ASSERT_TRUE(QTest::qWaitForWindowActive(preview));
    test::expectFocusFollowsTheForm(*preview, QStringLiteral("import"));
}

TEST(ConfigurationPreview, EscapeCancelsAndReturnConfirms) {
    QWidget window;
    window.resize(700, 600);
    window.show();
    auto* preview =
        new ConfigurationPreview(ConfigurationPackage{UserConfiguration{}}, false, &window);
    preview->open();
    QApplication::setActiveWindow(preview);
    ASSERT_TRUE(QTest::qWaitForWindowActive(preview));
    EXPECT_EQ(preview->windowModality(), Qt::WindowModal);
    QSignalSpy cancels(preview, &Sheet::cancelRequested);
    QSignalSpy confirms(preview, &ConfigurationPreview::confirmRequested);
    QTest::keyClick(preview, Qt::Key_Escape);
    QTest::keyClick(preview, Qt::Key_Return);
    EXPECT_EQ(cancels.count(), 1);
    EXPECT_EQ(confirms.count(), 1);
}

TEST(ConfigurationPreview, ALongTargetWrapsInsideTheSheet) {
    UserConfiguration configuration;
    configuration.shortcuts = {
        ShortcutItem{.kind = ShortcutKind::website,
                     .name = QStringLiteral("长地址"),
                     .target = QStringLiteral("https://example.org/") + QString(16000, u'a')}};
    ConfigurationPreview preview(ConfigurationPackage(configuration), true);
    preview.show();
    EXPECT_EQ(preview.width(), ConfigurationPreview::sheetWidth);
    auto* list = preview.findChild<ShortcutPreviewList*>();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->texts(),
              (QStringList{QStringLiteral("长地址 · 网址"), configuration.shortcuts[0].target}));
    EXPECT_LE(list->width(), preview.contentArea()->viewport()->width());
    // Wrapped anywhere: many lines at the sheet's width, one when there is room for all.
    EXPECT_GT(list->heightForWidth(list->width()), 20 * list->heightForWidth(1'000'000));
}

}  // namespace
}  // namespace tundle
