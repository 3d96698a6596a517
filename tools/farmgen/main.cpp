#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

#include "farm/FarmArtwork.h"
#include "farmgen/CropArt.h"
#include "farmgen/FarmBackdrop.h"
#include "room/RoomSceneDefinition.h"
#include "support/FileIO.h"

namespace {

using namespace tundle;

void save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        throw FileError(QStringLiteral("无法写入文件“%1”").arg(path));
    }
}

SceneOutline outline(std::initializer_list<ScenePoint> points) {
    return SceneOutline(points);
}

void writeRoomScene(const QDir& assets) {
    assets.mkpath(QStringLiteral("Rooms"));
    const QDir rooms(assets.filePath(QStringLiteral("Rooms")));
    using Light = FarmBackdrop::Light;
    const std::pair<QString, QImage> pictures[] = {
        {QStringLiteral("base.png"), FarmBackdrop::paint(RoomWeather::clear, Light::neutral)},
        {FarmArtwork::backdropName(RoomWeather::clear),
         FarmBackdrop::paint(RoomWeather::clear, Light::day)},
        {FarmArtwork::backdropName(RoomWeather::cloudy),
         FarmBackdrop::paint(RoomWeather::cloudy, Light::day)},
        {FarmArtwork::backdropName(RoomWeather::rain),
         FarmBackdrop::paint(RoomWeather::rain, Light::day)},
        {FarmArtwork::backdropName(RoomWeather::storm),
         FarmBackdrop::paint(RoomWeather::storm, Light::day)},
        {FarmArtwork::backdropName(RoomWeather::snow),
         FarmBackdrop::paint(RoomWeather::snow, Light::day)},
        {FarmArtwork::nightBackdropName(), FarmBackdrop::paint(RoomWeather::clear, Light::night)},
    };
    for (const auto& [name, image] : pictures) {
        save(image, rooms.filePath(name));
    }
    // The barn's window and its lantern, and the sunny patch of grass before it, as fractions
    // of the picture from its top-left corner.
    const RoomSceneDefinition scene{
        .title = QStringLiteral("小农场"),
        .width = FarmBackdrop::width,
        .height = FarmBackdrop::height,
        .base = QStringLiteral("base.png"),
        .sunny = FarmArtwork::backdropName(RoomWeather::clear),
        .night = FarmArtwork::nightBackdropName(),
        .cloudy = FarmArtwork::backdropName(RoomWeather::cloudy),
        .rain = FarmArtwork::backdropName(RoomWeather::rain),
        .storm = FarmArtwork::backdropName(RoomWeather::storm),
        .snow = FarmArtwork::backdropName(RoomWeather::snow),
        .windows = {outline({{0.745, 0.245}, {0.805, 0.245}, {0.805, 0.285}, {0.745, 0.285}})},
        .lamp = {0.7, 0.3},
        .lampRadius = 0.08,
        .sunPatches = {outline({{0.3, 0.36}, {0.7, 0.36}, {0.62, 0.42}, {0.36, 0.42}})},
    };
    scene.validate();
    FileIO::writeAtomically(rooms.filePath(QStringLiteral("scene.json")),
                            QJsonDocument(scene.toJson()).toJson(QJsonDocument::Indented));
}

void writeCrops(const QDir& assets) {
    assets.mkpath(QStringLiteral("FarmGame/Crops"));
    const QDir crops(assets.filePath(QStringLiteral("FarmGame/Crops")));
    for (const FarmCrop crop : farmCropText.allCases()) {
        for (int stage = 0; stage < int(FarmArtwork::stageNames.size()); ++stage) {
            save(CropArt::paint(crop, stage),
                 crops.filePath(QStringLiteral("%1-%2.png")
                                    .arg(farmCropText.raw(crop),
                                         QLatin1String(FarmArtwork::stageNames[stage]))));
        }
    }
}

}  // namespace

// Draws the farm's room scene and crop pictures into the assets folder given as the only
// argument; the scene's description comes last, as the build's record that all is there.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: farmgen <assets folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    try {
        const QDir assets(QString::fromLocal8Bit(argv[1]));
        writeCrops(assets);
        writeRoomScene(assets);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "farmgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
