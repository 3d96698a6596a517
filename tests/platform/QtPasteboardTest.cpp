#include "QtPasteboard.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "companion/ClipboardService.h"

namespace tundle {
namespace {

class QtPasteboardTest : public ::testing::Test {
protected:
    void SetUp() override { clipboard->clear(); }

    QClipboard* clipboard = QGuiApplication::clipboard();
};

TEST_F(QtPasteboardTest, CountsChangesMadeElsewhereButNotEchoesOfItsOwn) {
    QtPasteboard pasteboard;
    const qint64 start = pasteboard.changeCount();
    clipboard->setText(QStringLiteral("从别处复制"));
    EXPECT_EQ(pasteboard.changeCount(), start + 1);
    EXPECT_EQ(pasteboard.plainText(), QStringLiteral("从别处复制"));
    EXPECT_TRUE(pasteboard.types().contains(QStringLiteral("text/plain")));

    pasteboard.clearContents();
    EXPECT_TRUE(pasteboard.setPlainText(QStringLiteral("自己的")));
    const qint64 afterOwn = pasteboard.changeCount();
    EXPECT_EQ(afterOwn, start + 3);
    EXPECT_EQ(clipboard->text(), QStringLiteral("自己的"));
    // The desktop reporting our own write back later is not a new change.
    emit clipboard->dataChanged();
    EXPECT_EQ(pasteboard.changeCount(), afterOwn);

    clipboard->setText(QStringLiteral("又一次"));
    emit clipboard->dataChanged();
    EXPECT_EQ(pasteboard.changeCount(), afterOwn + 2);
}

TEST_F(QtPasteboardTest, OnlyATextFormCountsAsPlainText) {
    QtPasteboard pasteboard;
    auto* files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
    clipboard->setMimeData(files);
    EXPECT_EQ(pasteboard.plainText(), std::nullopt);

    auto* secret = new QMimeData;
    secret->setText(QStringLiteral("hunter2"));
    secret->setData(QStringLiteral("x-kde-passwordManagerHint"), "secret");
    clipboard->setMimeData(secret);
    EXPECT_TRUE(pasteboard.types().contains(QStringLiteral("x-kde-passwordManagerHint")));

    clipboard->clear();
    EXPECT_EQ(pasteboard.plainText(), std::nullopt);
}

TEST_F(QtPasteboardTest, HistoryKeepsItsOrderWhenCopyingBackIsEchoed) {
    QtPasteboard pasteboard;
    ClipboardService service(pasteboard, false);
    service.setEnabled(true);
    clipboard->setText(QStringLiteral("A"));
    service.poll();
    clipboard->setText(QStringLiteral("B"));
    service.poll();
    ASSERT_EQ(service.items().size(), 2);
    const ClipboardEntry older = service.items()[1];

    EXPECT_TRUE(service.copy(older));
    emit clipboard->dataChanged();
    service.poll();
    EXPECT_EQ(service.items()[1], older);
    EXPECT_EQ(service.items()[0].text, QStringLiteral("B"));

    auto* secret = new QMimeData;
    secret->setText(QStringLiteral("hunter2"));
    secret->setData(QStringLiteral("x-kde-passwordManagerHint"), "secret");
    clipboard->setMimeData(secret);
    service.poll();
    EXPECT_EQ(service.items().size(), 2);
}

}  // namespace
}  // namespace tundle
