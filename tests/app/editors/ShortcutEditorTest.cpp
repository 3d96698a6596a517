#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "FocusWalk.h"
#include "editors/BubblePreview.h"
#include "editors/ColorSwatch.h"
#include "editors/ErrorLine.h"
#include "editors/ShortcutDraft.h"
#include "editors/ShortcutEditor.h"
#include "support/ModelTestWorld.h"
#include "support/ScriptedFileChooser.h"
#include "support/ToolkitLook.h"
#include "toolkit/MiddleElidedText.h"
#include "toolkit/SegmentedControl.h"
#include "toolkit/Switch.h"

namespace tundle {
namespace {

struct EditorWorld {
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    ShortcutService& service = model->shortcuts();
    test::ScriptedFileChooser chooser;
    QTemporaryDir folder;

    std::unique_ptr<ShortcutEditor> editor(ShortcutItem item) {
        auto made = std::make_unique<ShortcutEditor>(*model, service, chooser, std::move(item));
        made->open();
        return made;
    }
    QString write(const QString& name, const QByteArray& text) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
};

TEST(ShortcutEditor, AWebsiteIsNamedAfterItsHostAndCheckedAsItIsTyped) {
    EditorWorld w;
    auto editor = w.editor(ShortcutDraft::fresh(0, std::nullopt));
    EXPECT_EQ(editor->title()->text(), "添加快捷方式");
    EXPECT_EQ(editor->chooseButton()->text(), "选择软件");
    EXPECT_EQ(editor->targetText()->fullText(), "选择要打开的软件");
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("旧名字"));
    QApplication::sendEvent(editor->nameField(), &typed);
    EXPECT_EQ(editor->draft().item().name, "旧名字");
    emit editor->kindPicker()->activated(3);
    EXPECT_TRUE(editor->nameField()->text().isEmpty());
    EXPECT_FALSE(editor->addressField()->isHidden());
    EXPECT_TRUE(editor->addressHint()->isHidden());
    EXPECT_FALSE(editor->saveButton()->isEnabled());

    QTest::keyClicks(editor->addressField(), " ");
    EXPECT_FALSE(editor->addressHint()->isHidden());
    EXPECT_FALSE(editor->tryButton()->isEnabled());
    editor->addressField()->clear();
    QTest::keyClicks(editor->addressField(), "news.example.org/today");
    EXPECT_TRUE(editor->addressHint()->isHidden());
    EXPECT_EQ(editor->nameField()->text(), "news.example.org");
    EXPECT_EQ(editor->preview()->text(), "news.example.org");
    EXPECT_TRUE(editor->saveButton()->isEnabled());
    EXPECT_TRUE(editor->tryButton()->isEnabled());

    editor->saveButton()->click();
    ASSERT_EQ(w.service.items().size(), 1u);
    EXPECT_EQ(w.service.items()[0].target, "https://news.example.org/today");
    EXPECT_EQ(w.service.items()[0].name, "news.example.org");
    EXPECT_TRUE(w.service.items()[0].pinned);
}

TEST(ShortcutEditor, TabFollowsTheFormForEveryKindAndTypingLandsInTheNextField) {
    const test::ToolkitLook look;
    EditorWorld w;
    for (int kind = 0; kind < 4; ++kind) {
        auto editor = w.editor(ShortcutDraft::fresh(0, std::nullopt));
        QApplication::setActiveWindow(editor.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
        emit editor->kindPicker()->activated(kind);
        test::expectFocusFollowsTheForm(*editor, title(editor->draft().item().kind));
    }

    auto editor = w.editor(ShortcutDraft::fresh(0, std::nullopt));
    QApplication::setActiveWindow(editor.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    emit editor->kindPicker()->activated(3);
    editor->addressField()->setFocus();
    QTest::keyClicks(editor->addressField(), "example.org");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), editor->nameField());
    QTest::keyClicks(QApplication::focusWidget(), "x");
    EXPECT_TRUE(editor->nameField()->text().endsWith("x"));
}

TEST(ShortcutEditor, AChosenApplicationComesFromTheDesktopEntries) {
    EditorWorld w;
    auto editor = w.editor(ShortcutDraft::fresh(0, std::nullopt));
    editor->chooseButton()->click();
    ASSERT_TRUE(w.chooser.isWaiting());
    const FileRequest& request = w.chooser.waiting().request;
    EXPECT_EQ(w.chooser.waiting().kind, test::ScriptedFileChooser::Kind::openFile);
    EXPECT_EQ(request.startFolder, "/usr/share/applications");
    EXPECT_EQ(request.acceptLabel, "选择");
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].patterns, QStringList{"*.desktop"});
    w.chooser.cancel();
    EXPECT_TRUE(editor->draft().item().target.isEmpty());

    const QString entry = w.write("org.example.Notes.desktop",
                                  "[Desktop Entry]\nName=Notes\nName[zh]=笔记\nExec=true\n");
    editor->chooseButton()->click();
    w.chooser.choose(entry);
    EXPECT_EQ(editor->nameField()->text(), "笔记");
    EXPECT_EQ(editor->targetText()->fullText(), entry);
    EXPECT_EQ(editor->chooseButton()->text(), "重新选择");

    // A file that is not an entry is refused by the service's own words.
    const QString text = w.write("notes.txt", "x");
    editor->chooseButton()->click();
    w.chooser.choose(text);
    EXPECT_EQ(editor->nameField()->text(), "笔记");
    editor->saveButton()->click();
    EXPECT_FALSE(editor->errorLine()->isHidden());
    EXPECT_EQ(editor->errorLine()->text(), "请选择一个 .desktop 应用。");
    EXPECT_TRUE(w.service.items().empty());
    EXPECT_TRUE(editor->isVisible());
}

TEST(ShortcutEditor, TryOpenReportsAFailureAndClearsItOnSuccess) {
    EditorWorld w;
    const QString entry = w.write("tool.desktop", "[Desktop Entry]\nExec=true\n");
    ShortcutItem item{.kind = ShortcutKind::application, .name = "工具", .target = entry};
    auto editor = w.editor(item);
    w.world.opener->launchError = QStringLiteral("系统未能打开该项目，请检查目标和默认应用。");
    editor->tryButton()->click();
    EXPECT_EQ(editor->errorLine()->text(), "系统未能打开该项目，请检查目标和默认应用。");
    EXPECT_FALSE(editor->trying());
    EXPECT_TRUE(editor->tryButton()->isEnabled());
    w.world.opener->launchError.reset();
    editor->tryButton()->click();
    EXPECT_TRUE(editor->errorLine()->isHidden());
    EXPECT_EQ(w.world.opener->opened, (QStringList{entry, entry}));
    EXPECT_TRUE(w.service.items().empty());
}

TEST(ShortcutEditor, AStoredShortcutKeepsItsKindAndPicksColoursExplicitly) {
    EditorWorld w;
    const ShortcutItem stored{
        .kind = ShortcutKind::website, .name = "站点", .target = "https://example.org/"};
    ASSERT_TRUE(w.service.save(stored));
    auto editor = w.editor(w.service.items()[0]);
    EXPECT_EQ(editor->title()->text(), "编辑快捷方式");
    EXPECT_FALSE(editor->kindPicker()->isEnabled());
    EXPECT_TRUE(editor->swatches()[0]->marked());
    EXPECT_EQ(editor->colorTitle()->text(), "蓝色");
    editor->swatches()[0]->click();
    editor->swatches()[4]->click();
    EXPECT_EQ(editor->colorTitle()->text(), "绿色");
    editor->swatches()[0]->click();
    QTest::keyClick(editor->nameField(), Qt::Key_Return);
    EXPECT_EQ(w.service.items()[0].tagColor, ShortcutColor::blue);
    EXPECT_FALSE(editor->isVisible());
}

}  // namespace
}  // namespace tundle
