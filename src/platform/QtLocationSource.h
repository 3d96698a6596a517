#pragma once

#include <QGeoPositionInfoSource>
#include <QObject>

#include "room/LocationSource.h"

namespace tundle {

// The desktop's position service through Qt Positioning (GeoClue on most desktops), asked for a
// coarse fix. Linux asks no permission up front: a machine with a source counts as authorised
// until the service refuses access, and one without a source has location services off.
class QtLocationSource : public QObject, public LocationSource {
    Q_OBJECT

public:
    // The desktop's default source, if it has one.
    explicit QtLocationSource(QObject* parent = nullptr);
    // Takes `source`, which may be null.
    explicit QtLocationSource(QGeoPositionInfoSource* source, QObject* parent = nullptr);

    void setHandlers(Updated updated, Failed failed) override;
    bool servicesEnabled() const override { return source_ != nullptr; }
    LocationAuthorization authorization() const override;
    void startUpdating() override;
    void stopUpdating() override;

private:
    QGeoPositionInfoSource* source_;
    Updated updated_;
    Failed failed_;
    bool refused_ = false;
    // Sources warn on a start while running and a stop while stopped, and the room stops on
    // every city choice; a failure leaves the source running until it is stopped.
    bool updating_ = false;
};

}  // namespace tundle
