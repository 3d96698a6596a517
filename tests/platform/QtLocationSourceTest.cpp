#include "platform/QtLocationSource.h"

#include <gtest/gtest.h>

#include <QGeoPositionInfo>
#include <QStringList>

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
    void stopUpdates() override {}
    void requestUpdate(int) override {}

    bool running = false;
};

TEST(QtLocationSource, ReportsCoarseFixesAndRemembersARefusal) {
    auto* fake = new FakePositionSource;
    QtLocationSource source(fake);
    std::vector<LocationFix> fixes;
    int failures = 0;
    source.setHandlers([&](const std::vector<LocationFix>& update) { fixes = update; },
                       [&] { ++failures; });
    source.startUpdating();
    EXPECT_TRUE(fake->running);

    QGeoPositionInfo info(QGeoCoordinate(31.2345, 121.4567), QDateTime::currentDateTimeUtc());
    for (const double accuracy : {-1.0, 2500.0}) {
        if (accuracy >= 0) {
            info.setAttribute(QGeoPositionInfo::HorizontalAccuracy, accuracy);
        }
        emit fake->positionUpdated(info);
        ASSERT_EQ(fixes.size(), 1u);
        EXPECT_EQ(fixes[0].horizontalAccuracy, accuracy) << "-1 when none is given";
        EXPECT_EQ(fixes[0].latitude, 31.2345);
        EXPECT_EQ(fixes[0].timestamp, info.timestamp());
    }

    for (const auto error :
         {QGeoPositionInfoSource::ClosedError, QGeoPositionInfoSource::AccessError}) {
        EXPECT_EQ(source.authorization(), LocationAuthorization::authorizedAlways);
        emit fake->errorOccurred(error);
    }
    EXPECT_EQ(failures, 2);
    EXPECT_EQ(source.authorization(), LocationAuthorization::denied);

    const QtLocationSource none(static_cast<QGeoPositionInfoSource*>(nullptr));
    EXPECT_FALSE(none.servicesEnabled());
    EXPECT_EQ(none.authorization(), LocationAuthorization::denied);
}

QStringList capturedMessages;

void capture(QtMsgType, const QMessageLogContext&, const QString& message) {
    capturedMessages.append(message);
}

// The desktop's own source warns when it is stopped while stopped; the room stops locating on
// every city choice, and again after a fix, a failure or a time-out.
TEST(QtLocationSource, StopsAndStartsTheDesktopSourceWithoutWarnings) {
    QGeoPositionInfoSource* desktop = QGeoPositionInfoSource::createSource(
        QStringLiteral("geoclue2"), {{QStringLiteral("desktopId"), QStringLiteral("pet-tundle")}},
        nullptr);
    if (!desktop) {
        GTEST_SKIP() << "Qt Positioning's GeoClue source is not installed";
    }
    QtLocationSource source(desktop);
    capturedMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(&capture);
    source.stopUpdating();  // a city chosen before locating ever started
    source.startUpdating();
    source.startUpdating();
    source.stopUpdating();
    source.stopUpdating();  // a city chosen after the fix came
    source.startUpdating();
    emit desktop->errorOccurred(QGeoPositionInfoSource::ClosedError);
    source.stopUpdating();
    source.stopUpdating();
    qInstallMessageHandler(previous);
    EXPECT_EQ(capturedMessages.join(u'\n').toStdString(), "");
}

}  // namespace
}  // namespace tundle
