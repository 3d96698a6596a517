#include "pets/PetAssetLibrary.h"

namespace tundle {

PetAssetLibrary::PetAssetLibrary(std::optional<QString> resourceFolder)
    : resourceFolder_(std::move(resourceFolder)) {}

std::shared_ptr<const PetAssets> PetAssetLibrary::shared() {
    if (!shared_) {
        shared_ = std::make_shared<const PetAssets>(std::nullopt, PetAssetPack::h3, resourceFolder_,
                                                    PetAssets::Decoding::onFirstUse);
    }
    return shared_;
}

std::shared_ptr<const PetAssets> PetAssetLibrary::forPack(PetAssetPack pack) {
    if (const auto remote = remotePacks_.find(pack); remote != remotePacks_.end()) {
        return remote->second;
    }
    if (pack == PetAssetPack::h3) {
        return shared();
    }
    if (const auto other = otherPacks_.find(pack); other != otherPacks_.end()) {
        return other->second;
    }
    auto assets = std::make_shared<const PetAssets>(std::nullopt, pack, resourceFolder_,
                                                    PetAssets::Decoding::onFirstUse);
    if (assets->loaded()) {
        otherPacks_.emplace(pack, assets);
    }
    return assets;
}

}  // namespace tundle
