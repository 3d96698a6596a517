#pragma once

#include <QString>
#include <optional>

#include "content/ContentSnapshot.h"
#include "pets/PetAssetLibrary.h"
#include "room/RoomSceneDefinition.h"

namespace tundle {

// A verified release turned into what the application shows: its pet packs, loaded, and its
// room scene, read. Built off the main thread from QImage work only.
struct DecodedContent {
    PetAssetLibrary::Packs packs;
    std::optional<QString> roomRoot;
    std::optional<RoomSceneDefinition> room;

    // Throws ContentUpdateError for an unknown pack or one that loads fewer clips than its
    // manifest lists; file and decoding errors pass through.
    static DecodedContent decode(const ContentSnapshot& snapshot);
};

}  // namespace tundle
