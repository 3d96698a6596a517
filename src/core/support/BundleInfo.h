#pragma once

#include <QString>

namespace tundle {

// Values fixed when the application is built (CMake cache entries); empty by default, so the
// features they switch on stay off. An empty value counts as a missing key.
struct BundleInfo {
    // The HTTPS weather endpoint (TUNDLE_WEATHER_ENDPOINT).
    QString weatherEndpoint;
    // The weather data provider's attribution page, linked under the weather it supplied
    // (TUNDLE_WEATHER_ATTRIBUTION_URL).
    QString weatherAttributionURL = {};
    // The application's identifier (TUNDLE_BUNDLE_IDENTIFIER); the QA build uses its own.
    QString bundleIdentifier = {};
    // The content server, the key that signs its releases and the channel to follow
    // (TUNDLE_CONTENT_BASE_URL, TUNDLE_CONTENT_PUBLIC_KEY, TUNDLE_CONTENT_CHANNEL).
    QString contentBaseURL = {};
    QString contentPublicKey = {};
    QString contentChannel = {};
    // The software update feed and the key that signs its archives (TUNDLE_SU_FEED_URL,
    // TUNDLE_SU_PUBLIC_ED_KEY).
    QString feedURL = {};
    QString publicEDKey = {};
    // The build number and the version shown to the user (TUNDLE_BUNDLE_VERSION,
    // TUNDLE_BUNDLE_SHORT_VERSION).
    QString bundleVersion = {};
    QString shortVersion = {};

    static BundleInfo current();
};

}  // namespace tundle
