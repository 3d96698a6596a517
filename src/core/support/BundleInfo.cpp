#include "support/BundleInfo.h"

#include "BundleInfoValues.h"

namespace tundle {

BundleInfo BundleInfo::current() {
    return BundleInfo{
        .weatherEndpoint = QStringLiteral(TUNDLE_WEATHER_ENDPOINT),
        .bundleIdentifier = QStringLiteral(TUNDLE_BUNDLE_IDENTIFIER),
    };
}

}  // namespace tundle
