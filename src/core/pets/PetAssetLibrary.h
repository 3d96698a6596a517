#pragma once

#include <QString>
#include <map>
#include <memory>
#include <optional>

#include "pets/PetAssets.h"

namespace tundle {

// The packs the application shows, one instance per pack: a downloaded pack in use wins over
// the built-in one. Owned by the application and used on the main thread.
class PetAssetLibrary {
public:
    using Packs = std::map<PetAssetPack, std::shared_ptr<const PetAssets>>;

    // `resourceFolder` holds the built-in packs, one folder per pack.
    explicit PetAssetLibrary(std::optional<QString> resourceFolder);

    // The built-in H3 pack, loaded on first use and kept.
    std::shared_ptr<const PetAssets> shared();
    // The pack to show: the downloaded one, else the built-in one; a built-in pack other than H3
    // is kept once it has loaded and tried again on the next request until then.
    std::shared_ptr<const PetAssets> forPack(PetAssetPack pack);
    // Replaces the downloaded packs with those of the release now in use.
    void setRemotePacks(Packs packs) { remotePacks_ = std::move(packs); }
    const Packs& remotePacks() const { return remotePacks_; }

private:
    std::optional<QString> resourceFolder_;
    std::shared_ptr<const PetAssets> shared_;
    Packs remotePacks_;
    Packs otherPacks_;
};

}  // namespace tundle
