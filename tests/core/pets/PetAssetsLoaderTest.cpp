#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/pets/PetPackFixture.h"
#include "pets/PetAssetLibrary.h"
#include "pets/PetAssets.h"

namespace tundle {
namespace {

using test::PetPackFixture;

struct ClipCase {
    const char* name;
    QJsonObject changes;
    int sheetRows;
    // Frames loaded for the clip, 0 when it is left out.
    int frames;
};

TEST(PetAssetsLoaderTest, LeavesOutEachClipThatBreaksALimit) {
    const std::vector<ClipCase> cases = {
        {"fits", {}, 3, 10},
        {"larger sheet", {}, 5, 10},
        {"sheet one row short", {}, 2, 0},
        {"no columns", {{"columns", 0}}, 3, 0},
        {"too many columns", {{"columns", 65}}, 3, 0},
        {"no frames", {{"frameCount", 0}}, 3, 0},
        {"too many frames", {{"frameCount", 1441}}, 3, 0},
        {"fps 0", {{"fps", 0}}, 3, 0},
        {"fps above 120", {{"fps", 120.5}}, 3, 0},
        {"zero duration falls back", {{"duration", 0}}, 3, 10},
        {"negative duration falls back", {{"duration", -4}}, 3, 10},
        {"duration above 120", {{"duration", 120.5}}, 3, 0},
        {"frames over fps above 120", {{"fps", 0.05}}, 3, 0},
        {"upper-case extension", {{"file", "sheet.PNG"}}, 3, 0},
        {"trailing line break", {{"file", "sheet.png\n"}}, 3, 0},
        {"path outside", {{"file", "../sheet.png"}}, 3, 0},
        {"missing sheet", {{"file", "other.png"}}, 3, 0},
        {"outside link", {{"file", "outside.png"}}, 3, 0},
        {"dangling link", {{"file", "dangling.png"}}, 3, 0},
    };
    for (const ClipCase& c : cases) {
        SCOPED_TRACE(c.name);
        PetPackFixture pack;
        PetPackFixture elsewhere;
        pack.writeSheet(QStringLiteral("sheet.png"), 4, c.sheetRows, 8);
        pack.writeSheet(QStringLiteral("sheet.PNG"), 4, c.sheetRows, 8);
        elsewhere.writeSheet(QStringLiteral("sheet.png"), 4, c.sheetRows, 8);
        QFile::link(elsewhere.path(QStringLiteral("sheet.png")), pack.path("outside.png"));
        QFile::link(pack.path(QStringLiteral("gone.png")), pack.path("dangling.png"));
        QJsonObject clip = PetPackFixture::clip(QStringLiteral("sheet.png"), 4, 10);
        for (auto it = c.changes.begin(); it != c.changes.end(); ++it) {
            clip[it.key()] = it.value();
        }
        pack.writeManifest(PetPackFixture::manifest(8, {{"idle", clip}}));

        const PetAssets assets(pack.folder(), PetAssetPack::h3);
        EXPECT_EQ(assets.loaded(), c.frames > 0);
        if (c.frames > 0) {
            const std::vector<QImage>& frames = assets.frames(QStringLiteral("idle"));
            ASSERT_EQ(frames.size(), std::size_t(c.frames));
            EXPECT_EQ(frames[9].size(), QSize(8, 8));
            EXPECT_EQ(PetPackFixture::frameNumber(frames[9]), 9);
            EXPECT_EQ(assets.firstAlpha().size(), 8 * 8 * 4);
        }
    }
}

TEST(PetAssetsLoaderTest, RefusesTheWholePackOnABadManifest) {
    struct Case {
        const char* name;
        QByteArray manifest;
        qint64 size;
    };
    const QJsonObject clips{{"idle", PetPackFixture::clip(QStringLiteral("sheet.png"), 4, 4)}};
    QJsonObject tall = PetPackFixture::manifest(8, clips);
    tall["frameHeight"] = 9;
    QJsonObject huge = PetPackFixture::manifest(2049, clips);
    QJsonObject noFps = PetPackFixture::manifest(8, clips);
    noFps["clips"] = QJsonObject{{"idle", QJsonObject{{"file", "sheet.png"}, {"columns", 4}}}};
    const QJsonObject allFail =
        PetPackFixture::manifest(6, {{"idle", PetPackFixture::clip("missing.png", 4, 4)}});
    const std::vector<Case> cases = {
        {"frame not square", QJsonDocument(tall).toJson(), 320},
        {"frame above 2048", QJsonDocument(huge).toJson(), 320},
        {"missing key", QJsonDocument(noFps).toJson(), 320},
        {"not JSON", "{", 320},
        {"larger than 64 MiB", QByteArray(64 * 1024 * 1024 + 1, ' '), 320},
        {"every clip fails", QJsonDocument(allFail).toJson(), 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PetPackFixture pack;
        pack.writeSheet(QStringLiteral("sheet.png"), 4, 1, 8);
        pack.writeFile(QStringLiteral("manifest.json"), c.manifest);
        const PetAssets assets(pack.folder(), PetAssetPack::h3);
        EXPECT_FALSE(assets.loaded());
        EXPECT_TRUE(assets.clips().empty());
        EXPECT_TRUE(assets.firstAlpha().isEmpty());
        EXPECT_EQ(assets.size(), c.size);
    }
}

TEST(PetAssetsLoaderTest, KeepsTriggersGroupsAndConfinedSounds) {
    PetPackFixture pack;
    pack.writeSheet(QStringLiteral("sheet.png"), 2, 1, 8);
    pack.writeFile(QStringLiteral("hop.WAV"), "RIFF");
    QJsonObject idle = PetPackFixture::clip(QStringLiteral("sheet.png"), 2, 2);
    idle["audio"] = "hop.WAV";
    QJsonObject jump = PetPackFixture::clip(QStringLiteral("sheet.png"), 2, 2);
    jump["audio"] = "missing.wav";
    QJsonObject spin = PetPackFixture::clip(QStringLiteral("sheet.png"), 2, 2);
    spin["audio"] = "hop.WAV\n";
    QJsonObject manifest =
        PetPackFixture::manifest(8, {{"idle", idle}, {"jump", jump}, {"spin", spin}});
    manifest["triggers"] = QJsonObject{{"petClick", "jump"}};
    manifest["actionGroups"] = QJsonObject{{"fun", QJsonObject{{"title", "玩"}}}};
    pack.writeManifest(manifest);

    const PetAssets assets(pack.folder(), PetAssetPack::h3);
    EXPECT_EQ(assets.clips().size(), 3u);
    EXPECT_EQ(assets.triggers(), (std::map<QString, QString>{{"petClick", "jump"}}));
    EXPECT_EQ(assets.actionGroupMetadata().at("fun").title, QStringLiteral("玩"));
    EXPECT_EQ(assets.actionAudioURL("idle"), QDir(pack.folder()).canonicalPath() + "/hop.WAV");
    EXPECT_EQ(assets.actionAudioURL("jump"), std::nullopt);
    EXPECT_EQ(assets.actionAudioURL("spin"), std::nullopt);
}

// A pack of 8 px frames: idle (10) and wave (12) from one sheet, jump (10) from its own, whose
// sheet it answers.
QImage writeIdleWaveAndJump(PetPackFixture& pack) {
    pack.writeSheet(QStringLiteral("sheet.png"), 4, 3, 8);
    pack.writeSheet(QStringLiteral("jump.png"), 4, 3, 8);
    pack.writeManifest(PetPackFixture::manifest(
        8, {{"idle", PetPackFixture::clip(QStringLiteral("sheet.png"), 4, 10)},
            {"wave", PetPackFixture::clip(QStringLiteral("sheet.png"), 4, 12)},
            {"jump", PetPackFixture::clip(QStringLiteral("jump.png"), 4, 10)}}));
    return QImage(pack.path(QStringLiteral("jump.png")));
}

TEST(PetAssetsLoaderTest, DecodesIdleAtLoadAndEachOtherClipOnFirstUseFromOneRead) {
    PetPackFixture pack;
    const QImage jumpSheet = writeIdleWaveAndJump(pack);

    const PetAssets assets(pack.folder(), PetAssetPack::h3, std::nullopt,
                           PetAssets::Decoding::onFirstUse);
    ASSERT_TRUE(assets.loaded());
    EXPECT_EQ(assets.decodedClipCount(), 1);
    EXPECT_EQ(assets.decodedBytes(), 10 * 8 * 8 * 4 + 8 * 8 * 4);
    EXPECT_TRUE(assets.hasClip("jump"));
    EXPECT_EQ(assets.frameIndex("jump", 0.75, false), 7);
    EXPECT_EQ(assets.decodedClipCount(), 1);

    // The sheets were read whole at load: with the files gone the clips still decode.
    QFile::remove(pack.path(QStringLiteral("sheet.png")));
    QFile::remove(pack.path(QStringLiteral("jump.png")));
    const QImage* frame = assets.frame("jump", 0.75, false);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(*frame, jumpSheet.copy(3 * 8, 1 * 8, 8, 8));
    EXPECT_EQ(assets.frame("jump", 0.75, false), frame);
    EXPECT_EQ(assets.frames("wave").size(), 12u);
    EXPECT_EQ(PetPackFixture::frameNumber(assets.frames("wave")[11]), 11);
    EXPECT_EQ(assets.decodedClipCount(), 3);
}

TEST(PetAssetsLoaderTest, LetsGoOfTheFramesOfClipsNotPlayingAndDecodesThemAgainWhenShown) {
    PetPackFixture pack;
    const QImage jumpSheet = writeIdleWaveAndJump(pack);
    const PetAssets assets(pack.folder(), PetAssetPack::h3, std::nullopt,
                           PetAssets::Decoding::onFirstUse);
    const qint64 idleOnly = assets.decodedBytes();
    ASSERT_EQ(assets.frames("wave").size(), 12u);
    ASSERT_EQ(assets.frames("jump").size(), 10u);
    QFile::remove(pack.path(QStringLiteral("jump.png")));

    // "stretch", missing from the pack, plays as jump: jump stays, wave goes.
    assets.releaseFrames(QStringLiteral("stretch"));
    EXPECT_EQ(assets.decodedClipCount(), 2);
    assets.releaseFrames(QStringLiteral("idle"));
    EXPECT_EQ(assets.decodedClipCount(), 1);
    EXPECT_EQ(assets.decodedBytes(), idleOnly);
    EXPECT_TRUE(assets.hasClip("jump"));

    // Decoded again from the bytes read at load, the file long gone.
    const QImage* frame = assets.frame("jump", 0.75, false);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(*frame, jumpSheet.copy(3 * 8, 1 * 8, 8, 8));
    EXPECT_EQ(PetPackFixture::frameNumber(assets.frames("wave")[11]), 11);
    EXPECT_EQ(assets.decodedClipCount(), 3);
}

TEST(PetAssetsLoaderTest, LeavesOutAClipWhoseSheetDoesNotDecode) {
    PetPackFixture pack;
    pack.writeSheet(QStringLiteral("sheet.png"), 4, 3, 8);
    QFile sheet(pack.path(QStringLiteral("sheet.png")));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    const QByteArray whole = sheet.readAll();
    // The header still declares a fitting size; the pixel data is cut short.
    pack.writeFile(QStringLiteral("broken.png"), whole.left(whole.size() * 2 / 3));
    QJsonObject jump = PetPackFixture::clip(QStringLiteral("broken.png"), 4, 10, 5);
    jump["audio"] = "hop.wav";
    pack.writeFile(QStringLiteral("hop.wav"), "RIFF");
    const QJsonObject clips{{"idle", PetPackFixture::clip(QStringLiteral("sheet.png"), 4, 10)},
                            {"jump", jump}};

    pack.writeManifest(PetPackFixture::manifest(8, clips));
    const PetAssets lazy(pack.folder(), PetAssetPack::h3, std::nullopt,
                         PetAssets::Decoding::onFirstUse);
    const QImage* idle = lazy.frame("idle", 0.3, false);
    EXPECT_EQ(lazy.frame("stretch", 0.3, false), idle);
    EXPECT_FALSE(lazy.hasClip("jump"));
    EXPECT_EQ(lazy.resolvedClip("stretch"), QStringLiteral("idle"));
    EXPECT_DOUBLE_EQ(lazy.duration("jump"), 3.0);
    EXPECT_EQ(lazy.actionAudioURL("jump"), std::nullopt);
    EXPECT_TRUE(lazy.actions().empty());

    const PetAssets decodedAtOnce(pack.folder(), PetAssetPack::h3);
    EXPECT_EQ(decodedAtOnce.clips().size(), 1u);
    EXPECT_TRUE(decodedAtOnce.loaded());
    EXPECT_EQ(decodedAtOnce.decodedClipCount(), 1);

    pack.writeManifest(PetPackFixture::manifest(
        8, {{"idle", PetPackFixture::clip(QStringLiteral("broken.png"), 4, 10)}}));
    const PetAssets noIdle(pack.folder(), PetAssetPack::h3);
    EXPECT_FALSE(noIdle.loaded());
    EXPECT_TRUE(noIdle.clips().empty());
}

// Switches the working directory for the life of the object.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString& path) : previous_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

TEST(PetAssetsLoaderTest, SearchesTheResourceFolderThenTheWorkingDirectory) {
    PetPackFixture resources;
    PetPackFixture work;
    const auto writePack = [](const PetPackFixture& base, const QString& folder, int side) {
        QDir(base.folder()).mkpath(folder);
        QFile file(base.path(folder + "/manifest.json"));
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(PetPackFixture::manifest(side, {})).toJson());
    };
    writePack(work, QStringLiteral("Assets/OriginalVideo"), 12);
    writePack(work, QStringLiteral("app/Assets/OriginalVideo"), 13);
    QDir(resources.folder()).mkpath(QStringLiteral("OriginalVideo"));
    const WorkingDirectory cwd(work.folder());

    EXPECT_EQ(PetAssets(std::nullopt, PetAssetPack::originalVideo, resources.folder()).size(), 12);
    QFile::remove(work.path(QStringLiteral("Assets/OriginalVideo/manifest.json")));
    EXPECT_EQ(PetAssets(std::nullopt, PetAssetPack::originalVideo, resources.folder()).size(), 13);
    writePack(resources, QStringLiteral("OriginalVideo"), 14);
    EXPECT_EQ(PetAssets(std::nullopt, PetAssetPack::originalVideo, resources.folder()).size(), 14);
    // A manifest found but unreadable ends the search.
    QFile::resize(resources.path(QStringLiteral("OriginalVideo/manifest.json")), 3);
    EXPECT_EQ(PetAssets(std::nullopt, PetAssetPack::originalVideo, resources.folder()).size(), 320);
}

TEST(PetAssetsLoaderTest, LibraryCachesOnlyLoadedPacksAndPrefersRemoteOnes) {
    PetPackFixture resources;
    PetAssetLibrary library(resources.folder());
    const auto first = library.forPack(PetAssetPack::originalVideo);
    EXPECT_FALSE(first->loaded());
    EXPECT_NE(library.forPack(PetAssetPack::originalVideo), first);

    QDir(resources.folder()).mkpath(QStringLiteral("OriginalVideo"));
    resources.writeSheet(QStringLiteral("OriginalVideo/sheet.png"), 1, 1, 8);
    resources.writeFile(
        QStringLiteral("OriginalVideo/manifest.json"),
        QJsonDocument(PetPackFixture::manifest(
                          8, {{"idle", PetPackFixture::clip(QStringLiteral("sheet.png"), 1, 1)}}))
            .toJson());
    const auto loaded = library.forPack(PetAssetPack::originalVideo);
    EXPECT_TRUE(loaded->loaded());
    EXPECT_EQ(library.forPack(PetAssetPack::originalVideo), loaded);
    EXPECT_EQ(library.forPack(PetAssetPack::h3), library.shared());

    const auto remote =
        std::make_shared<const PetAssets>(std::nullopt, PetAssetPack::h3, std::nullopt);
    library.setRemotePacks({{PetAssetPack::h3, remote}});
    EXPECT_EQ(library.forPack(PetAssetPack::h3), remote);
    EXPECT_EQ(library.forPack(PetAssetPack::originalVideo), loaded);
}

}  // namespace
}  // namespace tundle
