#include "farm/FarmArtwork.h"

#include <QDir>
#include <QFileInfo>

namespace tundle {

QStringList FarmArtwork::candidateFolders(const std::optional<QString>& resourceFolder,
                                          const QString& workingFolder) {
    QStringList folders;
    if (resourceFolder) {
        folders << QDir(*resourceFolder).filePath(QStringLiteral("FarmGame"));
    }
    const QDir working(workingFolder);
    folders << working.filePath(QStringLiteral("app/Assets/FarmGame"))
            << working.filePath(QStringLiteral("Assets/FarmGame"));
    return folders;
}

QString FarmArtwork::backdropName(RoomWeather weather) {
    switch (weather) {
        case RoomWeather::clear:
            return QStringLiteral("farm-sunny.png");
        case RoomWeather::rain:
            return QStringLiteral("farm-rain.png");
        case RoomWeather::storm:
            return QStringLiteral("farm-storm.png");
        case RoomWeather::snow:
            return QStringLiteral("farm-snow.png");
        case RoomWeather::cloudy:
        case RoomWeather::fog:
            break;
    }
    return QStringLiteral("farm-cloudy.png");
}

void FarmArtwork::loadIfNeeded(const QStringList& candidates) {
    const auto found =
        std::find_if(candidates.begin(), candidates.end(),
                     [](const QString& folder) { return QFileInfo::exists(folder); });
    if (found == candidates.end() || root_ == *found) {
        return;
    }
    root_ = *found;
    const QDir crops(QDir(*found).filePath(QStringLiteral("Crops")));
    std::map<FarmCrop, std::vector<QImage>> loaded;
    for (const FarmCrop crop : farmCropText.allCases()) {
        std::vector<QImage> stages;
        for (const char* stage : stageNames) {
            QImage image(crops.filePath(
                QStringLiteral("%1-%2.png").arg(farmCropText.raw(crop), QLatin1String(stage))));
            if (!image.isNull()) {
                stages.push_back(std::move(image));
            }
        }
        if (stages.size() == stageNames.size()) {
            loaded.emplace(crop, std::move(stages));
        }
    }
    images_ = std::move(loaded);
}

const std::vector<QImage>* FarmArtwork::crop(FarmCrop crop) const {
    const auto found = images_.find(crop);
    return found == images_.end() ? nullptr : &found->second;
}

}  // namespace tundle
