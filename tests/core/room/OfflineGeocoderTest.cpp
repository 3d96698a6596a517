#include "room/OfflineGeocoder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>

#include "support/RunUntil.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

// Waits for the answer, which never comes before the event loop runs.
GeocodeResult geocode(OfflineGeocoder& geocoder, const QString& address) {
    std::optional<GeocodeResult> result;
    geocoder.geocode(address, [&](GeocodeResult answer) { result = std::move(answer); });
    EXPECT_FALSE(result) << "answered before the event loop ran";
    EXPECT_TRUE(test::runUntil([&] { return result.has_value(); }));
    return result ? *result : GeocodeResult{std::vector<Placemark>{}};
}

QStringList localities(const GeocodeResult& result) {
    QStringList names;
    for (const Placemark& placemark : std::get<std::vector<Placemark>>(result)) {
        names.append(placemark.locality.value_or(QString()));
    }
    return names;
}

TEST(OfflineGeocoder, FindsBuiltInCitiesAndZoneCities) {
    QTemporaryDir dir;
    const QString table = dir.filePath("zone1970.tab");
    test::writeAll(table,
                   "# a comment\tline\there\n"
                   "JP\t+353916+1394441\tAsia/Tokyo\n"
                   "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
                   "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\n"
                   "XX\tnonsense\tEurope/Nowhere\n");
    OfflineGeocoder geocoder(table);
    const struct {
        QString query;
        QStringList found;
    } cases[] = {
        {QStringLiteral("北京"), {QStringLiteral("北京")}},
        {QStringLiteral("北京市"), {QStringLiteral("北京")}},
        {QStringLiteral("Hang Zhou"), {QStringLiteral("杭州")}},
        {QStringLiteral("xia"), {QStringLiteral("西安"), QStringLiteral("香港")}},
        {QStringLiteral("new york"), {QStringLiteral("New York")}},
        {QStringLiteral("Tokyo, Japan"), {QStringLiteral("Tokyo")}},
        {QStringLiteral("buenos"), {QStringLiteral("Buenos Aires")}},
        {QStringLiteral("nowhere"), {}},
        {QStringLiteral("-,"), {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(localities(geocode(geocoder, c.query)), c.found) << c.query.toStdString();
    }

    const auto places = std::get<std::vector<Placemark>>(geocode(geocoder, "tokyo"));
    ASSERT_EQ(places.size(), 1u);
    EXPECT_NEAR(places[0].location->latitude, 35 + 39 / 60.0 + 16 / 3600.0, 1e-9);
    EXPECT_NEAR(places[0].location->longitude, 139 + 44 / 60.0 + 41 / 3600.0, 1e-9);
    const auto south = std::get<std::vector<Placemark>>(geocode(geocoder, "buenos aires"));
    EXPECT_NEAR(south[0].location->latitude, -(34 + 36 / 60.0), 1e-9);
    EXPECT_NEAR(south[0].location->longitude, -(58 + 27 / 60.0), 1e-9);
}

TEST(OfflineGeocoder, ReadsTheSystemZoneTableAndFailsWithoutOne) {
    OfflineGeocoder system;
    EXPECT_TRUE(localities(geocode(system, "Shanghai")).contains(QStringLiteral("Shanghai")));

    OfflineGeocoder missing(QStringLiteral("/nonexistent/zone1970.tab"));
    EXPECT_TRUE(std::holds_alternative<std::exception_ptr>(geocode(missing, "Paris")));

    bool called = false;
    missing.geocode(QStringLiteral("Paris"), [&](GeocodeResult) { called = true; });
    missing.cancel();
    QCoreApplication::processEvents();
    EXPECT_FALSE(called) << "a cancelled request never answers";
}

}  // namespace
}  // namespace tundle
