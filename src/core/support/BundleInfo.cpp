#include "support/BundleInfo.h"

#include "BundleInfoValues.h"

namespace tundle {

BundleInfo BundleInfo::current() {
    return BundleInfo{
        .weatherEndpoint = QStringLiteral(TUNDLE_WEATHER_ENDPOINT),
    };
}

}  // namespace tundle
