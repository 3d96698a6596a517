#include "render-scenes/SceneGallery.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <numbers>

#include "drawing/SoapFilm.h"
#include "drawing/YUpSpace.h"
#include "pet/PetScene.h"
#include "pet/PetStageLayout.h"
#include "pets/PetAssets.h"
#include "records/ShortcutColor.h"

namespace tundle {

namespace {

const QRectF sprite(170, 0, 254, 254);

QImage canvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(146, 168, 186));
    return image;
}

QImage drawScene(QSize size, const PetScene& scene) {
    QImage image = canvas(size);
    QPainter painter(&image);
    SoapFilm films;
    drawPetScene(painter, YUpSpace(size.height()), scene, films);
    return image;
}

PetScene petAt(const PetAssets* assets, const QString& clip, double elapsed) {
    return {.frame = {.assets = assets,
                      .animation = clip,
                      .elapsed = elapsed,
                      .still = false,
                      .spriteRect = sprite,
                      .boundsWidth = 444,
                      .draggingFile = false},
            .bubble = std::nullopt};
}

QImage filmGallery() {
    constexpr std::array colours = {
        ShortcutColor::blue,  ShortcutColor::red,    ShortcutColor::orange, ShortcutColor::yellow,
        ShortcutColor::green, ShortcutColor::purple, ShortcutColor::gray};
    const QSize cell(110, 70);
    const QSize size(cell.width() * int(allBubbleContours.size()),
                     cell.height() * int(colours.size()));
    QImage image = canvas(size);
    QPainter painter(&image);
    const YUpSpace space(size.height());
    SoapFilm films;
    for (size_t row = 0; row < colours.size(); ++row) {
        for (size_t column = 0; column < allBubbleContours.size(); ++column) {
            const QRectF rect(column * cell.width() + 8, row * cell.height() + 7, cell.width() - 16,
                              cell.height() - 14);
            films.draw(painter, space, rect, false, QColor::fromRgb(rgb(colours[row])),
                       allBubbleContours[column]);
        }
    }
    return image;
}

}  // namespace

std::shared_ptr<const PetAssets> editedPack(const QString& packFolder, const QString& folder,
                                            const std::function<void(QJsonObject& clips)>& edit) {
    const QDir source(packFolder);
    QDir().mkpath(folder);
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile::copy(source.filePath(name), QDir(folder).filePath(name));
    }
    QFile file(QDir(folder).filePath(QStringLiteral("manifest.json")));
    if (file.open(QIODevice::ReadOnly)) {
        QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        QJsonObject clips = manifest[QStringLiteral("clips")].toObject();
        edit(clips);
        manifest[QStringLiteral("clips")] = clips;
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(QJsonDocument(manifest).toJson());
            file.close();
        }
    }
    return std::make_shared<const PetAssets>(folder, PetAssetPack::h3);
}

SceneGallery::SceneGallery(const QString& assetsFolder)
    : pack_(std::make_shared<const PetAssets>(QDir(assetsFolder).filePath(QStringLiteral("H3")),
                                              PetAssetPack::h3)),
      withoutEffects_(std::make_shared<const PetAssets>(
          QDir(assetsFolder).filePath(QStringLiteral("OriginalVideo")),
          PetAssetPack::originalVideo)),
      withoutEating_(
          editedPack(QDir(assetsFolder).filePath(QStringLiteral("H3")),
                     scratch_.filePath(QStringLiteral("eating")),
                     [](QJsonObject& clips) { clips.remove(QStringLiteral("eating")); })),
      empty_(std::make_shared<const PetAssets>(scratch_.filePath(QStringLiteral("empty")),
                                               PetAssetPack::h3)) {}

SceneGallery::~SceneGallery() = default;

std::vector<RenderedScene> SceneGallery::render() const {
    std::vector<RenderedScene> scenes;
    const QSize panel(444, 569);
    PetScene speaking = petAt(pack_.get(), QStringLiteral("idle"), 0);
    const BubbleContent content{QStringLiteral("要休息一下吗？"),
                                QStringLiteral("已经连续工作 50 分钟了"), QStringLiteral("好的"),
                                QStringLiteral("稍后提醒")};
    const BubbleLayout layout(content, panel.width() - 20);
    speaking.bubble = BubbleScene{content,
                                  PetStageLayout::bubbleRect(layout, sprite, panel.width(),
                                                             panel.height(), false, std::nullopt),
                                  layout};
    scenes.push_back({QStringLiteral("bubble-two-buttons"), drawScene(panel, speaking)});
    scenes.push_back({QStringLiteral("film-gallery"), filmGallery()});

    const QSize stage(444, 300);
    scenes.push_back({QStringLiteral("eating"),
                      drawScene(stage, petAt(withoutEating_.get(), QStringLiteral("eating"),
                                             std::numbers::pi / 48))});
    scenes.push_back(
        {QStringLiteral("harvest"),
         drawScene(stage, petAt(withoutEffects_.get(), QStringLiteral("harvest"), 0.72 * 1.35))});
    scenes.push_back({QStringLiteral("poof"),
                      drawScene(stage, petAt(withoutEffects_.get(), QStringLiteral("poof"), 0.4))});
    PetScene dragged = petAt(pack_.get(), QStringLiteral("idle"), 0);
    dragged.frame.draggingFile = true;
    scenes.push_back({QStringLiteral("drag-over"), drawScene(stage, dragged)});
    scenes.push_back({QStringLiteral("loading"),
                      drawScene(stage, petAt(empty_.get(), QStringLiteral("idle"), 0))});
    return scenes;
}

}  // namespace tundle
