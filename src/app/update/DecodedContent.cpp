#include "update/DecodedContent.h"

#include "content/ContentUpdateError.h"
#include "pets/AssetManifest.h"

namespace tundle {

DecodedContent DecodedContent::decode(const ContentSnapshot& snapshot) {
    DecodedContent decoded;
    for (const ContentModule& module : snapshot.release.modules) {
        if (module.kind != QLatin1String("pet.actions")) {
            continue;
        }
        const std::optional<PetAssetPack> pack = petAssetPackText.parse(module.id);
        if (!pack) {
            throw ContentUpdateError(QStringLiteral("未知角色包"));
        }
        const QString folder = snapshot.directory(module);
        // Decoded in full here, off the main thread, so the main thread never decodes a
        // downloaded pack's sheets and nothing is decoded lazily after the hand-over.
        auto assets = std::make_shared<const PetAssets>(folder, *pack);
        const AssetManifest manifest = AssetManifest::read(folder);
        if (!assets->loaded() || assets->clips().size() != manifest.clips.size()) {
            throw ContentUpdateError(QStringLiteral("动作解码失败"));
        }
        decoded.packs[*pack] = std::move(assets);
    }
    for (const ContentModule& module : snapshot.release.modules) {
        if (module.kind == QLatin1String("room.scene")) {
            decoded.roomRoot = snapshot.directory(module);
            decoded.room = RoomSceneDefinition::load(*decoded.roomRoot);
            break;
        }
    }
    return decoded;
}

}  // namespace tundle
