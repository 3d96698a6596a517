#include "support/BundleInfo.h"

#include "BundleInfoValues.h"

namespace tundle {

BundleInfo BundleInfo::current() {
    return BundleInfo{
        .weatherEndpoint = QStringLiteral(TUNDLE_WEATHER_ENDPOINT),
        .weatherAttributionURL = QStringLiteral(TUNDLE_WEATHER_ATTRIBUTION_URL),
        .bundleIdentifier = QStringLiteral(TUNDLE_BUNDLE_IDENTIFIER),
        .contentBaseURL = QStringLiteral(TUNDLE_CONTENT_BASE_URL),
        .contentPublicKey = QStringLiteral(TUNDLE_CONTENT_PUBLIC_KEY),
        .contentChannel = QStringLiteral(TUNDLE_CONTENT_CHANNEL),
        .feedURL = QStringLiteral(TUNDLE_SU_FEED_URL),
        .publicEDKey = QStringLiteral(TUNDLE_SU_PUBLIC_ED_KEY),
        .bundleVersion = QStringLiteral(TUNDLE_BUNDLE_VERSION),
        .shortVersion = QStringLiteral(TUNDLE_BUNDLE_SHORT_VERSION),
    };
}

}  // namespace tundle
