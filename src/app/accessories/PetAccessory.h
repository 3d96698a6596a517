#pragma once

#include <QColor>
#include <QSizeF>
#include <QString>
#include <array>
#include <optional>

namespace tundle {

// The small buttons beside the pet, in the order they are listed and stacked (top first).
enum class PetAccessory { shortcuts, clipboard };

inline constexpr std::array<PetAccessory, 2> allPetAccessories{PetAccessory::shortcuts,
                                                               PetAccessory::clipboard};

// The raw text, also the artwork's file name without extension.
QString petAccessoryText(PetAccessory accessory);
std::optional<PetAccessory> parsePetAccessory(const QString& text);
QString petAccessoryLabel(PetAccessory accessory);
QColor petAccessoryAccent(PetAccessory accessory);
// The symbol drawn when the artwork is missing.
QString petAccessorySymbol(PetAccessory accessory);
// The box the artwork is scaled into, in points.
QSizeF petAccessoryArtworkBox(PetAccessory accessory);

}  // namespace tundle
