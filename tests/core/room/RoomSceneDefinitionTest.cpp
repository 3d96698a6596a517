#include "room/RoomSceneDefinition.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include "content/ContentRelease.h"
#include "support/ConfigurationError.h"
#include "support/FileIO.h"
#include "support/ImageSource.h"
#include "support/JsonWriter.h"
#include "support/TemporaryHome.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

using test::thrownMessage;

const QString invalidScene = QStringLiteral("房间场景参数无效");
const QString invalidPicture = QStringLiteral("房间图片尺寸或解码无效");

SceneOutline square() {
    return {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
}

RoomSceneDefinition scene(int width = 256, int height = 384) {
    return RoomSceneDefinition{.title = QStringLiteral("小屋"),
                               .width = width,
                               .height = height,
                               .base = QStringLiteral("base.png"),
                               .sunny = QStringLiteral("sunny.png"),
                               .night = QStringLiteral("dark.png"),
                               .cloudy = QStringLiteral("dark.png"),
                               .windows = {square()},
                               .lamp = {1, 0},
                               .lampRadius = 0.02,
                               .sunPatches = {}};
}

QByteArray png(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The same PNG declaring two animation frames in an acTL chunk right after its header.
QByteArray animated(const QByteArray& still) {
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(8, chunk.data());
    chunk += "acTL";
    QByteArray data(8, '\0');
    qToBigEndian<quint32>(2, data.data());
    chunk += data;
    chunk += QByteArray(4, '\0');  // The CRC is not what the frame count is read from.
    return QByteArray(still).insert(8 + 25, chunk);
}

class Pack {
public:
    explicit Pack(const RoomSceneDefinition& definition) {
        FileIO::writeAtomically(path("scene.json"), JsonWriter::pretty(definition.toJson()));
        for (const QString& name : definition.imageNames()) {
            FileIO::writeAtomically(path(name), png(definition.width, definition.height));
        }
    }
    QString folder() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

QString validationMessage(const std::function<void(RoomSceneDefinition&)>& edit) {
    RoomSceneDefinition definition = scene();
    edit(definition);
    return thrownMessage([&] { definition.validate(); });
}

TEST(RoomSceneDefinition, SizeTitleAndNameLimits) {
    const QString ok = QStringLiteral("(nothing thrown)");
    const std::pair<std::pair<int, int>, bool> sizes[] = {
        {{2048, 2929}, true}, {{2000, 3000}, true}, {{2048, 2930}, false}, {{2001, 3000}, false},
        {{255, 300}, false},  {{2049, 300}, false}, {{256, 3073}, false},  {{256, 256}, true}};
    for (const auto& [size, valid] : sizes) {
        EXPECT_EQ(validationMessage([&](RoomSceneDefinition& d) {
                      d.width = size.first;
                      d.height = size.second;
                  }),
                  valid ? ok : invalidScene)
            << size.first << "x" << size.second;
    }
    for (const char* name : {"a.png", "Room-1_a.png", "1.png.png"}) {
        EXPECT_EQ(
            validationMessage([&](RoomSceneDefinition& d) { d.base = QString::fromLatin1(name); }),
            ok)
            << name;
    }
    for (const char* name :
         {"room.PNG", ".room.png", "_a.png", ".png", "a b.png", "sub/a.png", "a.png\n"}) {
        EXPECT_EQ(
            validationMessage([&](RoomSceneDefinition& d) { d.snow = QString::fromLatin1(name); }),
            invalidScene)
            << name;
    }
    const QString sixty = QString(59, u'屋') + QStringLiteral("👨‍👩‍👧");
    EXPECT_EQ(validationMessage([&](RoomSceneDefinition& d) { d.title = sixty; }), ok);
    EXPECT_EQ(validationMessage([&](RoomSceneDefinition& d) { d.title = sixty + u'a'; }),
              invalidScene);
    EXPECT_EQ(validationMessage([&](RoomSceneDefinition& d) { d.title.clear(); }), invalidScene);
    EXPECT_EQ(validationMessage([&](RoomSceneDefinition& d) { d.schemaVersion = 2; }),
              invalidScene);
}

TEST(RoomSceneDefinition, ShapeLimits) {
    const QString ok = QStringLiteral("(nothing thrown)");
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.windows.clear(); }), invalidScene);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.windows.assign(12, square()); }),
              ok);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.windows.assign(13, square()); }),
              invalidScene);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.windows[0].resize(2); }),
              invalidScene);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.windows[0].resize(32); }), ok);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.windows[0].resize(33); }),
              invalidScene);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.windows[0][1].x = 1.0000001; }),
              invalidScene);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.windows[0][1].y = std::nan(""); }),
              invalidScene);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.sunPatches.assign(12, square()); }),
              ok);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.sunPatches.assign(13, square()); }),
              invalidScene);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) {
                  d.sunPatches = {{{0, 0}, {0.5, -0.1}, {1, 1}}};
              }),
              invalidScene);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.lampRadius = 0.5; }), ok);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.lampRadius = 0.019; }),
              invalidScene);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.lampRadius = 0.51; }), invalidScene);
    EXPECT_EQ(validationMessage([](RoomSceneDefinition& d) { d.lamp.x = -0.01; }), invalidScene);
}

TEST(RoomSceneDefinition, LoadProvesEveryNamedPictureOnce) {
    const RoomSceneDefinition definition = scene();
    EXPECT_EQ(definition.imageNames(), (QSet<QString>{"base.png", "sunny.png", "dark.png"}));
    Pack pack(definition);
    EXPECT_EQ(RoomSceneDefinition::load(pack.folder()).imageNames(), definition.imageNames());

    // A null optional picture is not required.
    QJsonObject json = definition.toJson();
    json["rain"] = QJsonValue::Null;
    json["unknown"] = 1;
    FileIO::writeAtomically(pack.path("scene.json"), JsonWriter::compact(json));
    EXPECT_FALSE(RoomSceneDefinition::load(pack.folder()).rain);

    json.remove("lampRadius");
    FileIO::writeAtomically(pack.path("scene.json"), JsonWriter::compact(json));
    EXPECT_THROW(RoomSceneDefinition::load(pack.folder()), JsonError);
}

TEST(RoomSceneDefinition, SceneFileIsReadUpTo64KiB) {
    Pack pack(scene());
    QByteArray bytes = JsonWriter::compact(scene().toJson());
    bytes.append(QByteArray(65536 - bytes.size(), ' '));
    FileIO::writeAtomically(pack.path("scene.json"), bytes);
    EXPECT_NO_THROW(RoomSceneDefinition::load(pack.folder()));
    FileIO::writeAtomically(pack.path("scene.json"), bytes + ' ');
    EXPECT_EQ(thrownMessage([&] { RoomSceneDefinition::load(pack.folder()); }),
              QStringLiteral("文件过大"));
}

TEST(RoomSceneDefinition, PicturesMustMatchTheDeclaredSizeAndBeOneDecodableFrame) {
    Pack pack(scene(256, 384));
    const auto loadMessage = [&] {
        return thrownMessage([&] { RoomSceneDefinition::load(pack.folder()); });
    };

    FileIO::writeAtomically(pack.path("dark.png"), png(256, 383));
    EXPECT_EQ(loadMessage(), invalidPicture);

    FileIO::writeAtomically(pack.path("dark.png"), animated(png(256, 384)));
    const std::optional<ImageSource> twoFrames = ImageSource::open(pack.path("dark.png"));
    ASSERT_TRUE(twoFrames);
    EXPECT_EQ(twoFrames->frameCount(), 2);
    EXPECT_FALSE(twoFrames->decodeFirst().isNull()) << "it fails for its frames, not for its bytes";
    EXPECT_EQ(loadMessage(), invalidPicture);

    FileIO::writeAtomically(pack.path("dark.png"), "not a picture");
    EXPECT_EQ(loadMessage(), invalidPicture);

    // Trailing bytes after the image end do not stop it decoding; only the file size counts.
    const QByteArray still = png(256, 384);
    FileIO::writeAtomically(pack.path("dark.png"),
                            still + QByteArray(16777216 - still.size(), '\0'));
    EXPECT_NO_THROW(RoomSceneDefinition::load(pack.folder()));
    FileIO::writeAtomically(pack.path("dark.png"),
                            still + QByteArray(16777217 - still.size(), '\0'));
    EXPECT_EQ(loadMessage(), invalidPicture);

    QFile::remove(pack.path("dark.png"));
    EXPECT_THROW(RoomSceneDefinition::load(pack.folder()), FileError);
}

TEST(RoomSceneDefinition, ModulesMustBeTheCozyRoomWithExactlyItsFiles) {
    Pack pack(scene());
    const auto files = [](std::initializer_list<const char*> names) {
        std::vector<ContentFile> list;
        for (const char* name : names) {
            list.push_back(ContentFile{QString::fromLatin1(name), QString(64, u'a'), 1});
        }
        return list;
    };
    ContentModule module{QStringLiteral("cozy-room"), QStringLiteral("room.scene"), 1,
                         files({"scene.json", "base.png", "sunny.png", "dark.png"})};
    EXPECT_NO_THROW(RoomSceneDefinition::validateModule(module, pack.folder()));

    QTemporaryDir empty;
    for (auto edit : std::initializer_list<std::function<void(ContentModule&)>>{
             [](ContentModule& m) { m.id = QStringLiteral("attic"); },
             [](ContentModule& m) { m.schemaVersion = 2; },
             [](ContentModule& m) { m.kind = QStringLiteral("pet.actions"); }}) {
        ContentModule other = module;
        edit(other);
        EXPECT_EQ(thrownMessage([&] { RoomSceneDefinition::validateModule(other, empty.path()); }),
                  QStringLiteral("未知房间模块"));
    }
    ContentModule extra = module;
    extra.files = files({"scene.json", "base.png", "sunny.png", "dark.png", "rain.png"});
    EXPECT_EQ(thrownMessage([&] { RoomSceneDefinition::validateModule(extra, pack.folder()); }),
              QStringLiteral("房间资源引用不完整"));
    ContentModule missing = module;
    missing.files = files({"scene.json", "base.png", "sunny.png"});
    EXPECT_EQ(thrownMessage([&] { RoomSceneDefinition::validateModule(missing, pack.folder()); }),
              QStringLiteral("房间资源引用不完整"));
    FileIO::writeAtomically(pack.path("base.png"), png(300, 300));
    EXPECT_EQ(thrownMessage([&] { RoomSceneDefinition::validateModule(module, pack.folder()); }),
              invalidPicture);
}

}  // namespace
}  // namespace tundle
