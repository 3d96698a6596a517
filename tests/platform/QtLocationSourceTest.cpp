#include "QtLocationSource.h"

#include <gtest/gtest.h>

#include <QGeoPositionInfo>

namespace tundle {
namespace {

// A position service the test drives by emitting its signals.
class FakePositionSource : public QGeoPositionInfoSource {
public:
    FakePositionSource() : QGeoPositionInfoSource(nullptr) {}

    QGeoPositionInfo lastKnownPosition(bool) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override {
        return AllPositioningMethods;
    }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return NoError; }
    void startUpdates() override { running = true; }
    void stopUpdates() override { running = false; }
    void requestUpdate(int) override {}

    bool running = false;
};

TEST(QtLocationSource, ReportsFixesAndRemembersARefusal) {
    auto* fake = new FakePositionSource;
    QtLocationSource source(fake);
    std::vector<LocationFix> fixes;
    int failures = 0;
    source.setHandlers([&](const std::vector<LocationFix>& update) { fixes = update; },
                       [&] { ++failures; });
    EXPECT_TRUE(source.servicesEnabled());
    EXPECT_EQ(source.authorization(), LocationAuthorization::authorizedAlways);
    EXPECT_EQ(fake->preferredPositioningMethods(),
              QGeoPositionInfoSource::NonSatellitePositioningMethods);
    source.startUpdating();
    EXPECT_TRUE(fake->running);

    const QDateTime taken = QDateTime(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC);
    QGeoPositionInfo info(QGeoCoordinate(31.2345, 121.4567), taken);
    emit fake->positionUpdated(info);
    ASSERT_EQ(fixes.size(), 1u);
    EXPECT_EQ(fixes[0].horizontalAccuracy, -1) << "no accuracy given";
    info.setAttribute(QGeoPositionInfo::HorizontalAccuracy, 2500);
    emit fake->positionUpdated(info);
    EXPECT_EQ(fixes[0].horizontalAccuracy, 2500);
    EXPECT_EQ(fixes[0].latitude, 31.2345);
    EXPECT_EQ(fixes[0].longitude, 121.4567);
    EXPECT_EQ(fixes[0].timestamp, taken);

    emit fake->errorOccurred(QGeoPositionInfoSource::ClosedError);
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(source.authorization(), LocationAuthorization::authorizedAlways);
    emit fake->errorOccurred(QGeoPositionInfoSource::AccessError);
    EXPECT_EQ(failures, 2);
    EXPECT_EQ(source.authorization(), LocationAuthorization::denied);
    source.stopUpdating();
    EXPECT_FALSE(fake->running);

    const QtLocationSource none(static_cast<QGeoPositionInfoSource*>(nullptr));
    EXPECT_FALSE(none.servicesEnabled());
    EXPECT_EQ(none.authorization(), LocationAuthorization::denied);
}

}  // namespace
}  // namespace tundle
