#include "platform/QtPasteboard.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "companion/ClipboardService.h"

namespace tundle {
namespace {

TEST(QtPasteboard, CountsChangesMadeElsewhereButNotEchoesOfItsOwn) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QtPasteboard pasteboard;
    ClipboardService service(pasteboard, false);
    service.setEnabled(true);
    clipboard->setText(QStringLiteral("A"));
    service.poll();
    clipboard->setText(QStringLiteral("B"));
    service.poll();
    EXPECT_EQ(pasteboard.plainText(), QStringLiteral("B"));
    ASSERT_EQ(service.items().size(), 2);
    const ClipboardEntry older = service.items()[1];

    EXPECT_TRUE(service.copy(older));
    EXPECT_EQ(clipboard->text(), QStringLiteral("A"));
    // The desktop reporting our own write back later is not a new change.
    const qint64 afterCopy = pasteboard.changeCount();
    emit clipboard->dataChanged();
    EXPECT_EQ(pasteboard.changeCount(), afterCopy);
    service.poll();
    EXPECT_EQ(service.items()[1], older);

    auto* secret = new QMimeData;
    secret->setText(QStringLiteral("hunter2"));
    secret->setData(QStringLiteral("x-kde-passwordManagerHint"), "secret");
    clipboard->setMimeData(secret);
    EXPECT_EQ(pasteboard.changeCount(), afterCopy + 1);
    service.poll();
    EXPECT_EQ(service.items().size(), 2);
}

TEST(QtPasteboard, OnlyATextFormCountsAsPlainText) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QtPasteboard pasteboard;
    auto* files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
    clipboard->setMimeData(files);
    EXPECT_EQ(pasteboard.plainText(), std::nullopt);
    clipboard->clear();
    EXPECT_EQ(pasteboard.plainText(), std::nullopt);
}

}  // namespace
}  // namespace tundle
