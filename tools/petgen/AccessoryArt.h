#pragma once

#include <QImage>
#include <QString>

namespace tundle {

// The accessories' pictures beside the pet, drawn small in the middle of a roomy transparent
// square (the application trims the margins).
class AccessoryArt {
public:
    AccessoryArt() = delete;

    static constexpr int side = 256;

    // A straw wide-brim hat with a green ribbon.
    static QImage strawHat();
    // A small wooden hammer.
    static QImage woodenHammer();
    // Writes both into "<assets>/Accessories/".
    static void write(const QString& assets);
};

}  // namespace tundle
