#include "accessories/PetAccessory.h"

namespace tundle {

QString petAccessoryText(PetAccessory accessory) {
    return accessory == PetAccessory::shortcuts ? QStringLiteral("shortcuts")
                                                : QStringLiteral("clipboard");
}

std::optional<PetAccessory> parsePetAccessory(const QString& text) {
    for (PetAccessory accessory : allPetAccessories) {
        if (petAccessoryText(accessory) == text) {
            return accessory;
        }
    }
    return std::nullopt;
}

QString petAccessoryLabel(PetAccessory accessory) {
    return accessory == PetAccessory::shortcuts ? QStringLiteral("快捷") : QStringLiteral("剪贴板");
}

QColor petAccessoryAccent(PetAccessory accessory) {
    return accessory == PetAccessory::shortcuts ? QColor::fromRgbF(0.45f, 0.56f, 0.27f)
                                                : QColor::fromRgbF(0.58f, 0.36f, 0.18f);
}

QString petAccessorySymbol(PetAccessory accessory) {
    return accessory == PetAccessory::shortcuts ? QStringLiteral("hat.widebrim")
                                                : QStringLiteral("hammer");
}

QSizeF petAccessoryArtworkBox(PetAccessory accessory) {
    return accessory == PetAccessory::shortcuts ? QSizeF(50, 38) : QSizeF(45, 45);
}

}  // namespace tundle
