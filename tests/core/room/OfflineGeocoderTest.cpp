#include "room/OfflineGeocoder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/RunUntil.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

// The places found, as "name latitude,longitude", or "failed"; answers come only from the loop.
QStringList found(OfflineGeocoder& geocoder, const QString& address) {
    std::optional<GeocodeResult> result;
    geocoder.geocode(address, [&](GeocodeResult answer) { result = std::move(answer); });
    EXPECT_FALSE(result);
    EXPECT_TRUE(test::runUntil([&] { return result.has_value(); }));
    const auto* places = std::get_if<std::vector<Placemark>>(&*result);
    QStringList names;
    for (const Placemark& place : places ? *places : std::vector<Placemark>{}) {
        names.append(QStringLiteral("%1 %2,%3")
                         .arg(*place.locality)
                         .arg(place.location->latitude, 0, 'f', 4)
                         .arg(place.location->longitude, 0, 'f', 4));
    }
    return places ? names : QStringList{QStringLiteral("failed")};
}

TEST(OfflineGeocoder, FindsBuiltInCitiesByNameOrPinyinAndZoneCitiesInEnglish) {
    QTemporaryDir dir;
    test::writeAll(dir.filePath("zone.tab"),
                   "# comment\tline\there\n"
                   "JP\t+353916+1394441\tAsia/Tokyo\n"
                   "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\n"
                   "XX\tnonsense\tEurope/Nowhere\n");
    OfflineGeocoder geocoder(dir.filePath("zone.tab"));
    const struct {
        const char* query;
        QStringList places;
    } cases[] = {
        {"北京市", {"北京 39.9000,116.4000"}},
        {"Hang Zhou", {"杭州 30.3000,120.2000"}},
        {"xia", {"西安 34.3000,108.9000", "香港 22.3000,114.2000", "厦门 24.4800,118.0900"}},
        {"苏州", {"苏州 31.3000,120.5800"}},
        {"苏州市", {"苏州 31.3000,120.5800"}},
        {"Suzhou", {"苏州 31.3000,120.5800"}},
        {"哈尔滨", {"哈尔滨 45.8000,126.5300"}},
        {"Tokyo, Japan", {"Tokyo 35.6544,139.7447"}},
        {"BUENOS", {"Buenos Aires -34.6000,-58.4500"}},
        {"nowhere", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(found(geocoder, QString::fromUtf8(c.query)), c.places) << c.query;
    }

    OfflineGeocoder system;
    EXPECT_EQ(found(system, "shanghai").size(), 2) << "the built-in city and the zone's";
    OfflineGeocoder missing(dir.filePath("missing.tab"));
    EXPECT_EQ(found(missing, "Paris"), QStringList{"failed"});
}

}  // namespace
}  // namespace tundle
