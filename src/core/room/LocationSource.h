#pragma once

#include <QDateTime>
#include <functional>
#include <vector>

namespace tundle {

// Whether the program may ask for the device's position; the numbers are the platform's own.
enum class LocationAuthorization {
    notDetermined = 0,
    restricted = 1,
    denied = 2,
    authorizedAlways = 3
};

// One position the device reported.
struct LocationFix {
    double latitude = 0;
    double longitude = 0;
    // Metres; negative when the source gives no accuracy.
    double horizontalAccuracy = -1;
    QDateTime timestamp = {};
};

// The device's coarse position service, asked for one fix at a time by the room.
class LocationSource {
public:
    using Updated = std::function<void(const std::vector<LocationFix>&)>;
    using Failed = std::function<void()>;

    virtual ~LocationSource() = default;

    // Set once, before the first start; both are called on the main thread.
    virtual void setHandlers(Updated updated, Failed failed) = 0;
    // False when the machine has no way to locate itself.
    virtual bool servicesEnabled() const = 0;
    virtual LocationAuthorization authorization() const = 0;
    virtual void startUpdating() = 0;
    virtual void stopUpdating() = 0;
};

}  // namespace tundle
