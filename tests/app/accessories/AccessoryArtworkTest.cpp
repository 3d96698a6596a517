#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "accessories/AccessoryArtwork.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

// A transparent picture with the given pixels at the given alpha.
QImage picture(QSize size, const QRect& visible, int alpha = 255) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        for (int x = visible.left(); x <= visible.right(); ++x) {
            image.setPixel(x, y, qRgba(90, 60, 30, alpha));
        }
    }
    return image;
}

TEST(AccessoryArtworkTest, TrimsToTheVisiblePixelsWithAMargin) {
    struct Case {
        QSize size;
        QRect visible;
        int alpha;
        std::optional<QRect> crop;
    };
    const Case cases[] = {
        {{300, 300}, QRect(100, 50, 100, 100), 255, QRect(82, 32, 136, 136)},
        // At the top-left corner the cut-off margin goes to the far side.
        {{300, 300}, QRect(0, 0, 10, 20), 255, QRect(0, 0, 46, 56)},
        {{40, 40}, QRect(5, 5, 30, 30), 255, QRect(0, 0, 40, 40)},
        {{300, 300}, QRect(100, 50, 100, 100), 4, QRect(82, 32, 136, 136)},
        // Alpha 3/255 is not visible.
        {{300, 300}, QRect(100, 50, 100, 100), 3, std::nullopt},
        // A single row or column is too small.
        {{300, 300}, QRect(100, 50, 100, 1), 255, std::nullopt},
        {{300, 300}, QRect(100, 50, 1, 100), 255, std::nullopt},
    };
    for (const Case& c : cases) {
        const QImage image = picture(c.size, c.visible, c.alpha);
        EXPECT_EQ(AccessoryArtwork::visibleCrop(image), c.crop) << c.visible.x();
        const std::optional<QImage> trimmed = AccessoryArtwork::trimmed(image);
        ASSERT_EQ(trimmed.has_value(), c.crop.has_value());
        if (trimmed) {
            EXPECT_EQ(trimmed->size(), c.crop->size());
        }
    }
}

TEST(AccessoryArtworkTest, ReadsOnlyTheFirstExistingCandidate) {
    QTemporaryDir resources;
    QTemporaryDir current;
    const QStringList files =
        AccessoryArtwork::candidates(PetAccessory::clipboard, resources.path(), current.path());
    ASSERT_EQ(files, QStringList({resources.filePath("Accessories/clipboard.png"),
                                  current.filePath("app/Assets/Accessories/clipboard.png"),
                                  current.filePath("Assets/Accessories/clipboard.png")}));
    EXPECT_FALSE(AccessoryArtwork::load(files));

    // Only the working directory's copy: used.
    QDir(current.path()).mkpath("Assets/Accessories");
    ASSERT_TRUE(picture({100, 100}, QRect(40, 40, 10, 10)).save(files[2]));
    EXPECT_EQ(AccessoryArtwork::load(files)->size(), QSize(46, 46));

    // The resources' copy wins; a corrupt one gives nothing though a good copy exists.
    QDir(resources.path()).mkpath("Accessories");
    ASSERT_TRUE(picture({200, 200}, QRect(60, 60, 40, 40)).save(files[0]));
    EXPECT_EQ(AccessoryArtwork::load(files)->size(), QSize(76, 76));
    test::writeAll(files[0], "not a picture");
    EXPECT_FALSE(AccessoryArtwork::load(files));
}

}  // namespace
}  // namespace tundle
