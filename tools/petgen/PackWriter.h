#pragma once

#include <QString>
#include <map>

#include "petgen/PetStyle.h"
#include "pets/PetAssetPack.h"

namespace tundle {

// One built-in pack to write: its identity, its drawing style, which clips it carries and
// which clip answers each event.
struct PackSpec {
    PetAssetPack pack;
    PetStyle style;
    bool soft;
    std::map<QString, QString> triggers;
};

// Writes a pack folder (sheets, manifest, clip sounds) under `assets` and a contact sheet of
// every clip's frames into "ContactSheets".
void writePack(const QString& assets, const PackSpec& spec);

}  // namespace tundle
