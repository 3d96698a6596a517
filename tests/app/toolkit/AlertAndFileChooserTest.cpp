#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "toolkit/Alert.h"
#include "toolkit/DialogFileChooser.h"

namespace tundle {
namespace {

TEST(Alert, ShowsPlainTextAndRunsTheActionThenClosedOnce) {
    QWidget window;
    window.show();
    QStringList calls;
    QPointer<QMessageBox> box = openAlert(
        &window, Alert{.title = QStringLiteral("工作时段未保存"),
                       .message = QStringLiteral("<b>配置</b> & 文件"),
                       .buttons = {{.title = QStringLiteral("好"),
                                    .action = [&] { calls.append(QStringLiteral("好")); }}},
                       .closed = [&] { calls.append(QStringLiteral("closed")); }});
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    const auto* message = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->textFormat(), Qt::PlainText);
    EXPECT_EQ(message->text(), QStringLiteral("<b>配置</b> & 文件"));
    EXPECT_EQ(box->text(), QStringLiteral("工作时段未保存"));

    // Closing the window counts as the only button.
    box->close();
    QApplication::processEvents();
    EXPECT_EQ(calls, (QStringList{QStringLiteral("好"), QStringLiteral("closed")}));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(box);
}

TEST(Alert, ReturnPressesTheFirstAcceptAndEscapeTheCancel) {
    QWidget window;
    window.show();
    QStringList pressed;
    const auto alert = [&] {
        return Alert{
            .title = QStringLiteral("导入配置？"),
            .message = {},
            .buttons = {{QStringLiteral("取消"), AlertButton::Role::cancel,
                         [&] { pressed.append(QStringLiteral("取消")); }},
                        {QStringLiteral("R&D 导入"), AlertButton::Role::accept,
                         [&] { pressed.append(QStringLiteral("导入")); }}},
        };
    };
    QMessageBox* box = openAlert(&window, alert());
    EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("R&&D 导入"));
    QTest::keyClick(box, Qt::Key_Return);
    box = openAlert(&window, alert());
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(pressed, (QStringList{QStringLiteral("导入"), QStringLiteral("取消")}));
}

TEST(DialogFileChooser, SaveDialogCarriesTheRequest) {
    QTemporaryDir folder;
    const FileRequest request{
        .caption = QStringLiteral("导出个人备份"),
        .filters = {{QStringLiteral("JSON 文件"), {QStringLiteral("*.json")}}},
        .startFolder = folder.path(),
        .acceptLabel = QStringLiteral("导出"),
        .proposedName = QStringLiteral("糯墩个人备份.json"),
        .defaultSuffix = QStringLiteral("json"),
    };
    std::unique_ptr<QFileDialog> dialog(
        DialogFileChooser::makeDialog(nullptr, request, DialogFileChooser::Kind::save));
    EXPECT_EQ(dialog->windowTitle(), request.caption);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("json"));
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("JSON 文件 (*.json)")});
    EXPECT_EQ(dialog->labelText(QFileDialog::Accept), QStringLiteral("导出"));
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());

    std::unique_ptr<QFileDialog> folders(
        DialogFileChooser::makeDialog(nullptr, FileRequest{.caption = QStringLiteral("选择文件夹")},
                                      DialogFileChooser::Kind::openFolder));
    EXPECT_EQ(folders->fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(folders->testOption(QFileDialog::ShowDirsOnly));
    EXPECT_EQ(folders->labelText(QFileDialog::Accept), QStringLiteral("选择"));
}

TEST(DialogFileChooser, AnswersOnceWithThePathOrNothing) {
    QTemporaryDir folder;
    QWidget window;
    window.show();
    DialogFileChooser chooser;
    std::vector<std::optional<QString>> answers;
    const FileRequest request{.caption = QStringLiteral("导出"),
                              .startFolder = folder.path(),
                              .proposedName = QStringLiteral("备份"),
                              .defaultSuffix = QStringLiteral("json")};

    chooser.save(&window, request, [&](std::optional<QString> path) { answers.push_back(path); });
    auto* dialog = window.findChild<QFileDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    QMetaObject::invokeMethod(dialog, "accept");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    chooser.openFile(&window, request,
                     [&](std::optional<QString> path) { answers.push_back(path); });
    dialog = window.findChild<QFileDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->reject();

    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0], QDir(folder.path()).absoluteFilePath(QStringLiteral("备份.json")));
    EXPECT_EQ(answers[1], std::nullopt);
}

}  // namespace
}  // namespace tundle
