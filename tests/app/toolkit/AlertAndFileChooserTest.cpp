#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

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

// The message label of a shown alert.
QLabel* shownMessage(QMessageBox* box) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
    return box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
}

// The lines a label shows its text in, at the width it was given: its height for that width
// against the heights of one and of two lines in a label like it.
int shownLines(const QLabel& label) {
    QLabel probe;
    probe.setFont(label.font());
    probe.setWordWrap(label.wordWrap());
    probe.setTextInteractionFlags(label.textInteractionFlags());
    const auto height = [&](const QString& text) {
        probe.setText(text);
        return probe.heightForWidth(label.width());
    };
    const int one = height(QStringLiteral("字"));
    const int line = height(QStringLiteral("字\n字")) - one;
    return 1 + qRound(double(height(label.text()) - one) / line);
}

TEST(Alert, ASentenceTakesAtMostTwoLinesAndAPathBreaksOnlyAfterASlash) {
    QWidget window;
    window.show();
    for (const QString& sentence :
         {QStringLiteral("预览期间配置已变化，请重新选择文件并预览。"), QString(24, u'字')}) {
        QMessageBox* box = openAlert(
            &window, Alert{.title = QStringLiteral("配置操作未完成"), .message = sentence});
        QLabel* message = shownMessage(box);
        ASSERT_NE(message, nullptr);
        EXPECT_GE(box->width(), 280);
        EXPECT_LE(shownLines(*message), 2) << sentence.toStdString();
        box->close();
    }

    const QString path = QStringLiteral(
        "/home/很长的名字-someone/.local/share/pet-tundle/备份 文件夹/"
        "another-rather-long-folder-name/configuration-backup-2026.json");
    const QString sentence = QStringLiteral("请在文件管理器中打开 %1，然后退出糯墩。").arg(path);
    QMessageBox* box =
        openAlert(&window, Alert{.title = QStringLiteral("未能打开安装位置"), .message = sentence});
    QLabel* message = shownMessage(box);
    ASSERT_NE(message, nullptr);
    const QString shown = message->text();
    EXPECT_EQ(QString(shown).remove(QChar(0x200B)).remove(QChar(0x2060)), sentence)
        << "the path reads as written";

    QTextLayout layout(shown, message->font());
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapping);
    layout.beginLayout();
    std::vector<int> breaks;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(message->width());
        breaks.push_back(line.textStart() + line.textLength());
    }
    layout.endLayout();
    EXPECT_GT(breaks.size(), 2u);
    EXPECT_EQ(int(breaks.size()), shownLines(*message)) << "the label breaks where the layout does";
    const qsizetype pathStart = shown.indexOf(u'/');
    const qsizetype pathEnd = shown.indexOf(u'，');
    for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
        if (breaks[i] > pathStart && breaks[i] < pathEnd) {
            EXPECT_EQ(shown.mid(breaks[i] - 2, 2), QStringLiteral("/\u200B"))
                << "broken after " << shown.left(breaks[i]).toStdString();
        }
    }
    box->close();
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
                              .proposedName = QStringLiteral("备份"),
                              .defaultSuffix = QStringLiteral("json")};

    chooser.save(&window, request, [&](std::optional<QString> path) { answers.push_back(path); });
    auto* dialog = window.findChild<QFileDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    dialog->setDirectory(folder.path());
    QMetaObject::invokeMethod(dialog, "accept");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    chooser.openFile(&window, request,
                     [&](std::optional<QString> path) { answers.push_back(path); });
    dialog = window.findChild<QFileDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath())
        << "where the last chooser for the same purpose was left";
    dialog->reject();

    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0], QDir(folder.path()).absoluteFilePath(QStringLiteral("备份.json")));
    EXPECT_EQ(answers[1], std::nullopt);
}

}  // namespace
}  // namespace tundle
