#include "petgen/PackWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QPainter>
#include <stdexcept>

#include "petgen/IndexedImage.h"
#include "petgen/PetClipScript.h"
#include "petgen/WavSynth.h"
#include "pets/PetPlacement.h"
#include "support/JsonWriter.h"

namespace tundle {

namespace {

constexpr int side = 256;
constexpr int thumbnail = 96;
constexpr int labelWidth = 170;

const std::map<QString, std::vector<double> (*)()>& clipSounds() {
    static const std::map<QString, std::vector<double> (*)()> sounds = {
        {"drink.wav", &WavSynth::gulps},
        {"jump.wav", &WavSynth::hop},
        {"eating.wav", &WavSynth::munch},
        {"poof.wav", &WavSynth::puff},
        {"water.wav", &WavSynth::trickle}};
    return sounds;
}

// Maps the idle frame's coordinates into a clip frame that is drawn moved and scaled by its
// placement row, so the body lands where idle's body is.
void compensate(QPainter& painter, const PetPlacement& placement) {
    const double s = placement.scale;
    painter.translate(side / 2.0 - placement.dx * side / (320 * s),
                      side / 2.0 + placement.dy * side / (320 * s));
    painter.scale(1 / s, 1 / s);
    painter.translate(-side / 2.0, -side / 2.0);
}

QImage drawSheet(const PetClipScript& script, const PetStyle& style) {
    const int rows = (script.frameCount + script.columns - 1) / script.columns;
    QImage sheet(script.columns * side, rows * side, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    PetPainter pet(painter, style);
    const std::optional<PetPlacement> placement = PetPlacement::of(QString::fromLatin1(script.id));
    for (int i = 0; i < script.frameCount; ++i) {
        painter.save();
        painter.translate((i % script.columns) * side, (i / script.columns) * side);
        painter.setClipRect(0, 0, side, side);
        if (placement) {
            compensate(painter, *placement);
        }
        script.draw(pet, i, script.frameCount);
        painter.restore();
    }
    return sheet;
}

QJsonObject clipEntry(const PetClipScript& script) {
    QJsonObject clip{{"file", QStringLiteral("%1.png").arg(script.id)},
                     {"columns", script.columns},
                     {"frameCount", script.frameCount},
                     {"fps", script.fps},
                     {"loop", script.loop}};
    if (script.duration) {
        clip["duration"] = *script.duration;
    }
    if (script.title) {
        clip["title"] = QString::fromUtf8(script.title);
    }
    if (script.group) {
        clip["group"] = QString::fromLatin1(script.group);
    }
    if (script.sortOrder) {
        clip["sortOrder"] = *script.sortOrder;
    }
    if (script.audio) {
        clip["audio"] = QString::fromLatin1(script.audio);
    }
    if (QLatin1String(script.id) == QLatin1String("idle")) {
        clip["breathRestFrame"] = 0;
        clip["breathPeakFrame"] = script.frameCount / 2;
    }
    return clip;
}

void save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        throw std::runtime_error(("cannot write " + path).toStdString());
    }
}

QImage contactSheet(const std::vector<std::pair<const PetClipScript*, QImage>>& sheets, bool soft) {
    int widest = 0;
    for (const auto& [script, sheet] : sheets) {
        widest = std::max(widest, script->frameCount);
    }
    const int cell = thumbnail + 4;
    QImage picture(labelWidth + widest * cell, int(sheets.size()) * (cell + 8) + 8,
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(soft ? QColor(0xf3, 0xf0, 0xf7) : QColor(0xee, 0xf2, 0xec));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    painter.setFont(font);
    int y = 8;
    for (const auto& [script, sheet] : sheets) {
        painter.setPen(QColor(0x33, 0x33, 0x33));
        painter.drawText(QRect(8, y, labelWidth - 12, cell), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("%1\n%2 frames, %3 fps")
                             .arg(QLatin1String(script->id))
                             .arg(script->frameCount)
                             .arg(script->fps));
        for (int i = 0; i < script->frameCount; ++i) {
            const QRect target(labelWidth + i * cell, y, thumbnail, thumbnail);
            painter.fillRect(target, QColor(0xff, 0xff, 0xff));
            painter.setPen(QColor(0xcc, 0xcc, 0xcc));
            painter.drawRect(target.adjusted(0, 0, -1, -1));
            const QRect source((i % script->columns) * side, (i / script->columns) * side, side,
                               side);
            painter.drawImage(target, sheet, source);
        }
        y += cell + 8;
    }
    return picture;
}

}  // namespace

void writePack(const QString& assets, const PackSpec& spec) {
    const QString name = petAssetPackText.raw(spec.pack);
    QDir root(assets);
    if (!root.mkpath(name) || !root.mkpath(QStringLiteral("ContactSheets"))) {
        throw std::runtime_error(("cannot create folders in " + assets).toStdString());
    }
    const QDir folder(root.filePath(name));
    QJsonObject clips;
    std::vector<std::pair<const PetClipScript*, QImage>> sheets;
    for (const PetClipScript& script : PetClipScript::all()) {
        if (spec.soft && !script.inSoftPack) {
            continue;
        }
        const QImage sheet = toIndexedImage(drawSheet(script, spec.style));
        save(sheet, folder.filePath(QStringLiteral("%1.png").arg(script.id)));
        if (script.audio) {
            WavSynth::write(folder.filePath(QString::fromLatin1(script.audio)),
                            clipSounds().at(QString::fromLatin1(script.audio))());
        }
        clips[QString::fromLatin1(script.id)] = clipEntry(script);
        sheets.emplace_back(&script, sheet);
    }
    QJsonObject triggers;
    for (const auto& [event, clip] : spec.triggers) {
        triggers[event] = clip;
    }
    const QJsonObject manifest{
        {"frameWidth", side},
        {"frameHeight", side},
        {"clips", clips},
        {"triggers", triggers},
        {"actionGroups", QJsonObject{{"farm", QJsonObject{{"title", "农场"}, {"sortOrder", 1}}}}}};
    QFile file(folder.filePath(QStringLiteral("manifest.json")));
    const QByteArray bytes = JsonWriter::pretty(manifest);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write the manifest of " + name.toStdString());
    }
    save(contactSheet(sheets, spec.soft),
         root.filePath(QStringLiteral("ContactSheets/%1.png").arg(name)));
}

}  // namespace tundle
