#include <gtest/gtest.h>

#include "content/ContentRelease.h"
#include "content/ContentUpdateError.h"
#include "core/pets/PetPackFixture.h"
#include "pets/PetAssets.h"
#include "support/FileIO.h"
#include "support/JsonReader.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

using test::PetPackFixture;

const QString passes = QStringLiteral("(nothing thrown)");
const QString notAPack = QStringLiteral("不支持的角色资源包");
const QString badManifest = QStringLiteral("动作清单无效或缺少循环待机");
const QString badGroup = QStringLiteral("动作分类无效");
const QString badTrigger = QStringLiteral("动作事件引用无效");
const QString badBreath = QStringLiteral("呼吸帧超出范围");
const QString overBudget = QStringLiteral("动作解码内存超过限制");

QString badClip(const QString& id) {
    return QStringLiteral("动作参数或图集无效：") + id;
}

ContentModule module(const QStringList& names, const QString& id = "H3",
                     const QString& kind = "pet.actions", qint64 manifestBytes = 100) {
    ContentModule result{id, kind, 1, {}};
    for (const QString& name : names) {
        result.files.push_back({name, QString(), name == "manifest.json" ? manifestBytes : 1});
    }
    return result;
}

// A valid pack of 8-pixel frames: idle cut from a 4 x 3 sheet of 10 frames, with a sound, a
// group and a trigger. Each case edits the manifest before it is written.
QString validate(const std::function<void(QJsonObject&)>& edit,
                 const ContentModule& listed = module({"manifest.json", "sheet.png", "hop.wav",
                                                       "hop .wav"})) {
    PetPackFixture pack;
    pack.writeSheet(QStringLiteral("sheet.png"), 4, 3, 8);
    pack.writeFile(QStringLiteral("hop.wav"), "RIFF");
    pack.writeFile(QStringLiteral("hop .wav"), "RIFF");
    QJsonObject idle = PetPackFixture::clip(QStringLiteral("sheet.png"), 4, 10);
    idle["audio"] = "hop.wav";
    idle["group"] = "moves";
    QJsonObject manifest = PetPackFixture::manifest(8, {{"idle", idle}});
    manifest["actionGroups"] = QJsonObject{{"moves", QJsonObject{{"title", "动作"}}}};
    manifest["triggers"] = QJsonObject{{"petClick", "idle"}};
    edit(manifest);
    pack.writeManifest(manifest);
    return test::thrownMessage<ContentUpdateError>(
        [&] { PetAssets::validateModule(listed, pack.folder()); });
}

// Sets `key` of the idle clip.
std::function<void(QJsonObject&)> idleWith(const QString& key, const QJsonValue& value) {
    return [=](QJsonObject& manifest) {
        QJsonObject clips = manifest["clips"].toObject();
        QJsonObject idle = clips["idle"].toObject();
        idle[key] = value;
        clips["idle"] = idle;
        manifest["clips"] = clips;
    };
}

std::function<void(QJsonObject&)> set(const QString& key, const QJsonValue& value) {
    return [=](QJsonObject& manifest) { manifest[key] = value; };
}

std::function<void(QJsonObject&)> groupTitled(const QString& id, const QString& title) {
    return set("actionGroups", QJsonObject{{id, QJsonObject{{"title", title}}}});
}

TEST(PetAssetValidationTest, RefusesEachBrokenLimitWithItsMessage) {
    const auto unchanged = [](QJsonObject&) {};
    const QString thirty = QString(30, QChar(u'字'));
    QJsonObject manyClips;
    for (int i = 0; i < 33; ++i) {
        manyClips[QStringLiteral("c%1").arg(i)] = PetPackFixture::clip("sheet.png", 4, 10);
    }
    manyClips["idle"] = PetPackFixture::clip("sheet.png", 4, 10);
    QJsonObject manyGroups;
    for (int i = 0; i < 17; ++i) {
        manyGroups[QStringLiteral("g%1").arg(i)] = QJsonObject{{"title", "组"}};
    }
    const QStringList files{"manifest.json", "sheet.png", "hop.wav", "hop .wav"};
    struct Case {
        const char* name;
        std::function<void(QJsonObject&)> edit;
        QString message;
        ContentModule listed;
    };
    const std::vector<Case> cases = {
        {"valid", unchanged, passes, module(files)},
        {"other pack id", unchanged, passes, module(files, "OriginalVideo")},
        {"unknown pack id", unchanged, notAPack, module(files, "H4")},
        {"room kind", unchanged, notAPack, module(files, "H3", "room.scene")},
        {"manifest of 262144 bytes", unchanged, passes, module(files, "H3", "pet.actions", 262144)},
        {"manifest of 262145 bytes", unchanged, notAPack,
         module(files, "H3", "pet.actions", 262145)},
        {"idle not looping", idleWith("loop", false), badManifest, module(files)},
        {"frame width 513", set("frameWidth", 513), badManifest, module(files)},
        {"frame not square", set("frameHeight", 9), badManifest, module(files)},
        {"33 clips", set("clips", manyClips), badManifest, module(files)},
        {"17 groups", set("actionGroups", manyGroups), badManifest, module(files)},
        {"group title of 30", groupTitled("moves", thirty), passes, module(files)},
        {"group title of 31", groupTitled("moves", thirty + "字"), badGroup, module(files)},
        {"group title of spaces", groupTitled("moves", " \n "), badGroup, module(files)},
        {"group id upper case", groupTitled("Moves", "动作"), badGroup, module(files)},
        {"group id with line break", groupTitled("moves\n", "动作"), badGroup, module(files)},
        {"unknown event", set("triggers", QJsonObject{{"hover", "idle"}}), badTrigger,
         module(files)},
        {"trigger names missing clip", set("triggers", QJsonObject{{"petClick", "jump"}}),
         badTrigger, module(files)},
        {"clip id upper case",
         set("clips", QJsonObject{{"idle", manyClips["idle"]}, {"Jump", manyClips["c1"]}}),
         badClip("Jump"), module(files)},
        {"fps 0", idleWith("fps", 0), badClip("idle"), module(files)},
        {"duration 121", idleWith("duration", 121), badClip("idle"), module(files)},
        {"duration 0 falls back", idleWith("duration", 0), passes, module(files)},
        {"title of spaces", idleWith("title", "  "), badClip("idle"), module(files)},
        {"sheet not listed", unchanged, badClip("idle"), module({"manifest.json", "hop.wav"})},
        {"unknown group", idleWith("group", "farm"), badClip("idle"), module(files)},
        {"group without groups", [](QJsonObject& manifest) { manifest.remove("actionGroups"); },
         badClip("idle"), module(files)},
        {"sound not listed", unchanged, badClip("idle"), module({"manifest.json", "sheet.png"})},
        {"sound name with a space", idleWith("audio", "hop .wav"), badClip("idle"), module(files)},
        {"sheet one column wider", idleWith("columns", 3), badClip("idle"), module(files)},
        {"sheet one row taller", idleWith("frameCount", 8), badClip("idle"), module(files)},
        {"rest frame at the count", idleWith("breathRestFrame", 10), badBreath, module(files)},
        {"peak frame -1", idleWith("breathPeakFrame", -1), badBreath, module(files)},
        {"last rest frame", idleWith("breathRestFrame", 9), passes, module(files)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(validate(c.edit, c.listed), c.message);
    }
}

TEST(PetAssetValidationTest, PassesOnManifestErrorsUnchanged) {
    const auto missingFps = [](QJsonObject& manifest) {
        manifest["clips"] = QJsonObject{{"idle", QJsonObject{{"file", "sheet.png"}}}};
    };
    EXPECT_TRUE(test::thrownMessage<JsonError>([&] { validate(missingFps); }).contains("columns"));
    EXPECT_THROW(
        {
            PetPackFixture pack;
            PetAssets::validateModule(module({"manifest.json"}), pack.folder());
        },
        FileError);
}

// Sheets of 512-pixel frames, 11 to a row, written as one-bit images: the validator reads only
// their headers.
TEST(PetAssetValidationTest, HoldsSheetsAndTheWholePackToTheirPixelBudgets) {
    PetPackFixture pack;
    for (const int rows : {6, 11, 12}) {
        QImage sheet(11 * 512, rows * 512, QImage::Format_Mono);
        sheet.fill(0);
        sheet.save(pack.path(QStringLiteral("rows%1.png").arg(rows)));
    }
    const ContentModule listed = module({"manifest.json", "rows6.png", "rows11.png", "rows12.png"});
    struct Case {
        const char* name;
        int idleFrames;
        int otherFrames;
        QString message;
    };
    const std::vector<Case> cases = {
        {"305 frames", 63, 121, passes},
        {"306 frames", 64, 121, overBudget},
        {"sheet of 12 rows", 63, 122, badClip("other")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString tall = c.otherFrames > 121 ? "rows12.png" : "rows11.png";
        pack.writeManifest(PetPackFixture::manifest(
            512, {{"idle", PetPackFixture::clip("rows6.png", 11, c.idleFrames)},
                  {"other", PetPackFixture::clip(tall, 11, c.otherFrames)},
                  {"second", PetPackFixture::clip("rows11.png", 11, 121)}}));
        EXPECT_EQ(test::thrownMessage<ContentUpdateError>(
                      [&] { PetAssets::validateModule(listed, pack.folder()); }),
                  c.message);
    }
}

}  // namespace
}  // namespace tundle
