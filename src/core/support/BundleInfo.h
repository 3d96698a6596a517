#pragma once

#include <QString>

namespace tundle {

// Values fixed when the application is built (CMake cache entries); empty by default, so the
// features they switch on stay off.
struct BundleInfo {
    // The HTTPS weather endpoint (TUNDLE_WEATHER_ENDPOINT).
    QString weatherEndpoint;
    // The application's identifier (TUNDLE_BUNDLE_IDENTIFIER); the QA build uses its own.
    QString bundleIdentifier;

    static BundleInfo current();
};

}  // namespace tundle
