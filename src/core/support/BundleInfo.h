#pragma once

#include <QString>

namespace tundle {

// Values fixed when the application is built (CMake cache entries); empty by default, so the
// features they switch on stay off.
struct BundleInfo {
    // The HTTPS weather endpoint (TUNDLE_WEATHER_ENDPOINT).
    QString weatherEndpoint;

    static BundleInfo current();
};

}  // namespace tundle
