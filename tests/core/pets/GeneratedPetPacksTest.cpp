#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include "content/ContentRelease.h"
#include "pets/PetAssets.h"

namespace tundle {
namespace {

QString packFolder(PetAssetPack pack) {
    return QDir(QStringLiteral(TUNDLE_GENERATED_ASSETS)).filePath(petAssetPackText.raw(pack));
}

// The module a content release would carry for the pack folder: every file with its size.
ContentModule moduleFor(PetAssetPack pack) {
    ContentModule module{petAssetPackText.raw(pack), QStringLiteral("pet.actions"), 1, {}};
    for (const QFileInfo& file : QDir(packFolder(pack)).entryInfoList(QDir::Files)) {
        module.files.push_back({file.fileName(), QString(), file.size()});
    }
    return module;
}

std::vector<QString> clipIds(const PetAssets& assets) {
    std::vector<QString> ids;
    for (const auto& [id, clip] : assets.clips()) {
        ids.push_back(id);
    }
    return ids;
}

TEST(GeneratedPetPacksTest, BothPacksValidateAndLoadWithTheirClips) {
    struct Case {
        PetAssetPack pack;
        std::vector<QString> clips;
        const char* stretchPlays;
    };
    const std::vector<Case> cases = {
        {PetAssetPack::h3,
         {"dance", "dance_tavro", "drink", "eating", "harvest", "idle", "jump", "loosen_soil",
          "poof", "sow", "stretch", "water"},
         "stretch"},
        {PetAssetPack::originalVideo,
         {"dance", "drink", "eating", "idle", "jump", "loosen_soil", "sow", "water"},
         "jump"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(petAssetPackText.raw(c.pack).toStdString());
        EXPECT_NO_THROW(PetAssets::validateModule(moduleFor(c.pack), packFolder(c.pack)));
        const PetAssets assets(packFolder(c.pack), c.pack);
        ASSERT_TRUE(assets.loaded());
        EXPECT_EQ(clipIds(assets), c.clips);
        EXPECT_EQ(assets.resolvedClip("stretch"), QString::fromLatin1(c.stretchPlays));
        EXPECT_TRUE(assets.actionAudioURL("jump").has_value());
        EXPECT_EQ(assets.triggers().size(), 3u);
        // Sheets keep their palette, so frames hold one byte a pixel.
        EXPECT_EQ(assets.clips().at("idle").frames.front().format(), QImage::Format_Indexed8);

        // The idle silhouette, in the drawing's bottom-up points: the belly hits, the frame's
        // corners do not.
        const QRectF rect(0, 0, 256, 256);
        EXPECT_TRUE(assets.contains({128, 80}, rect));
        EXPECT_FALSE(assets.contains({2, 2}, rect));
        EXPECT_FALSE(assets.contains({2, 253}, rect));
        EXPECT_FALSE(assets.contains({253, 253}, rect));
    }
}

// Where the pet stands: the lowest row with an opaque pixel and the middle of that row's opaque
// pixels (between the feet), in the frame's pixels.
QPointF footing(const QImage& frame) {
    for (int y = frame.height() - 1; y >= 0; --y) {
        std::vector<int> opaque;
        for (int x = 0; x < frame.width(); ++x) {
            if (qAlpha(frame.pixel(x, y)) > 128) {
                opaque.push_back(x);
            }
        }
        if (!opaque.empty()) {
            return {(opaque.front() + opaque.back() + 1) / 2.0, y + 1.0};
        }
    }
    return {};
}

// The first and last rows of `frame` with an opaque pixel.
std::pair<int, int> opaqueRows(const QImage& frame) {
    int first = frame.height();
    int last = -1;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (qAlpha(frame.pixel(x, y)) > 128) {
                first = std::min(first, y);
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

// Whether any pixel on the frame's edge holds paint: a drawing cut off by the frame.
bool touchesTheEdge(const QImage& frame) {
    const int w = frame.width();
    const int h = frame.height();
    for (int i = 0; i < std::max(w, h); ++i) {
        for (const QPoint p : {QPoint(i, 0), QPoint(i, h - 1), QPoint(0, i), QPoint(w - 1, i)}) {
            if (p.x() < w && p.y() < h && qAlpha(frame.pixel(p)) > 0) {
                return true;
            }
        }
    }
    return false;
}

// The pet fills its frame, so everything placed from the sprite's top (the bubble's tail, the
// accessories, the shortcut panel) sits close to its head; and every clip keeps its motion,
// props and effects inside the frame.
TEST(GeneratedPetPacksTest, ThePetFillsItsFrameAndEveryClipStaysInside) {
    for (const PetAssetPack pack : {PetAssetPack::h3, PetAssetPack::originalVideo}) {
        SCOPED_TRACE(petAssetPackText.raw(pack).toStdString());
        const PetAssets assets(packFolder(pack), pack);
        ASSERT_TRUE(assets.loaded());
        for (const QImage& frame : assets.clips().at("idle").frames) {
            const auto [first, last] = opaqueRows(frame);
            EXPECT_GE(last - first + 1, 0.8 * frame.height()) << first << " to " << last;
        }
        for (const auto& [id, clip] : assets.clips()) {
            const std::vector<QImage>& frames = assets.frames(id);
            EXPECT_EQ(frames.size(), std::size_t(clip.info.frameCount)) << id.toStdString();
            for (std::size_t i = 0; i < frames.size(); ++i) {
                EXPECT_FALSE(touchesTheEdge(frames[i])) << id.toStdString() << " frame " << i;
            }
        }
    }
}

TEST(GeneratedPetPacksTest, PlacedClipsKeepThePetWhereIdleHasIt) {
    const PetAssets assets(packFolder(PetAssetPack::h3), PetAssetPack::h3);
    const QRectF rect(0, 0, 256, 256);
    const QPointF idle = footing(assets.clips().at("idle").frames.front());
    for (const char* clip : {"drink", "stretch", "sow", "water"}) {
        SCOPED_TRACE(clip);
        const QRectF placed = assets.normalizedRect(clip, rect);
        const QPointF feet = footing(assets.frames(clip).front());
        EXPECT_NEAR(placed.left() + feet.x() * placed.width() / 256, idle.x(), 2.0);
        EXPECT_NEAR(placed.top() + feet.y() * placed.height() / 256, idle.y(), 2.0);
    }
}

TEST(GeneratedPetPacksTest, SoundsAreSixteenBitPcmWaves) {
    const QDir assets(QStringLiteral(TUNDLE_GENERATED_ASSETS));
    for (const char* name : {"Sounds/Pop.wav", "Sounds/Purr.wav", "H3/jump.wav", "H3/poof.wav",
                             "OriginalVideo/drink.wav"}) {
        SCOPED_TRACE(name);
        QFile file(assets.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GT(bytes.size(), 44);
        EXPECT_EQ(bytes.mid(0, 4), "RIFF");
        EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(bytes.mid(20, 2), QByteArray("\x01\x00", 2));
        EXPECT_EQ(bytes.mid(34, 2), QByteArray("\x10\x00", 2));
        EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 40), quint32(bytes.size() - 44));
    }
}

}  // namespace
}  // namespace tundle
