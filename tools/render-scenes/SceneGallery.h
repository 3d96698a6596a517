#pragma once

#include <QImage>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

namespace tundle {

class PetAssets;

// A copy of the pack in `packFolder`, written to `folder` with its manifest's clips edited.
std::shared_ptr<const PetAssets> editedPack(const QString& packFolder, const QString& folder,
                                            const std::function<void(QJsonObject& clips)>& edit);

struct RenderedScene {
    QString name;
    QImage image;
};

// The pet's custom-drawn scenes at fixed instants, drawn without a window: the pet with a
// two-button bubble, the soap-film gallery, the drawn effects, the drag-over glow and the
// loading text. Deterministic: no clock is read.
class SceneGallery {
public:
    // `assetsFolder` holds the generated pet packs.
    explicit SceneGallery(const QString& assetsFolder);
    ~SceneGallery();

    std::vector<RenderedScene> render() const;

private:
    QTemporaryDir scratch_;
    std::shared_ptr<const PetAssets> pack_;
    std::shared_ptr<const PetAssets> withoutEffects_;
    std::shared_ptr<const PetAssets> withoutEating_;
    std::shared_ptr<const PetAssets> empty_;
};

}  // namespace tundle
