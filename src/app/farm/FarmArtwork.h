#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <optional>
#include <vector>

#include "model/FarmCrop.h"
#include "records/RoomPreferences.h"

namespace tundle {

// The crop pictures, three growth stages per crop, read once from the first artwork folder
// that exists and kept until another folder wins.
class FarmArtwork {
public:
    static constexpr std::array<const char*, 3> stageNames{"sprout", "growing", "mature"};

    // The folders searched, in order: the resource folder's "FarmGame" (when there is one),
    // then "app/Assets/FarmGame" and "Assets/FarmGame" under `workingFolder`.
    static QStringList candidateFolders(const std::optional<QString>& resourceFolder,
                                        const QString& workingFolder);
    // The room scene's picture that shows the farm in this weather; fog borrows the cloudy one.
    static QString backdropName(RoomWeather weather);
    static QString nightBackdropName() { return QStringLiteral("farm-night.png"); }

    // Reads the pictures when the first existing candidate differs from the folder they came
    // from; a found folder with incomplete artwork is not read again until another one wins.
    void loadIfNeeded(const QStringList& candidates);

    const std::optional<QString>& root() const { return root_; }
    // Sprout, growing and mature, for each crop whose three pictures all loaded.
    const std::map<FarmCrop, std::vector<QImage>>& images() const { return images_; }
    const std::vector<QImage>* crop(FarmCrop crop) const;

private:
    std::optional<QString> root_;
    std::map<FarmCrop, std::vector<QImage>> images_;
};

}  // namespace tundle
