#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "accessories/ShortcutIconImage.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

TEST(ShortcutIconImageTest, EachKindShowsItsOwnPicture) {
    const QSize size(42, 42);
    const QColor ink(74, 64, 54);
    const QImage globe = ShortcutIconImage::render(
        {.kind = ShortcutKind::website, .target = "https://example.org/"}, size, ink);
    ASSERT_FALSE(globe.isNull());
    int inked = 0;
    for (int y = 0; y < globe.height(); ++y) {
        for (int x = 0; x < globe.width(); ++x) {
            const QColor pixel = globe.pixelColor(x, y);
            if (pixel.alpha() == 255) {
                EXPECT_EQ(pixel.rgb(), ink.rgb());
                ++inked;
            }
        }
    }
    EXPECT_GT(inked, 0);

    // A desktop entry names its own picture.
    QTemporaryDir folder;
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(folder.filePath("editor.png")));
    const QString entry = folder.filePath("editor.desktop");
    test::writeAll(entry, "[Desktop Entry]\nType=Application\nName=Editor\nExec=/bin/true\nIcon=" +
                              folder.filePath("editor.png").toUtf8() + "\n");
    const QImage application =
        ShortcutIconImage::render({.kind = ShortcutKind::application, .target = entry}, size, ink);
    ASSERT_FALSE(application.isNull());
    EXPECT_EQ(application.pixelColor(21, 21).rgb(), QColor(Qt::red).rgb());

    // Files and folders take the desktop's icons, which tell them apart.
    test::writeAll(folder.filePath("notes.txt"), "text");
    const QImage file = ShortcutIconImage::render(
        {.kind = ShortcutKind::file, .target = folder.filePath("notes.txt")}, size, ink);
    const QImage directory = ShortcutIconImage::render(
        {.kind = ShortcutKind::folder, .target = folder.path()}, size, ink);
    ASSERT_FALSE(file.isNull());
    ASSERT_FALSE(directory.isNull());
    EXPECT_NE(file, directory);
}

QStringList warnings;

void keepWarning(QtMsgType, const QMessageLogContext&, const QString& message) {
    warnings << message;
}

TEST(ShortcutIconImageTest, ALocalShortcutWithoutATargetHasNoPictureYet) {
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepWarning);
    for (const ShortcutKind kind :
         {ShortcutKind::application, ShortcutKind::folder, ShortcutKind::file}) {
        EXPECT_TRUE(ShortcutIconImage::render({.kind = kind}, QSize(54, 54), Qt::black).isNull())
            << "nothing to draw until a target is chosen";
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << qPrintable(warnings.join(u'\n'));
}

}  // namespace
}  // namespace tundle
