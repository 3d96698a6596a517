#include "platform/QtLocationSource.h"

#include <QGeoPositionInfo>
#include <QGuiApplication>
#include <QVariantMap>

namespace tundle {

namespace {

QGeoPositionInfoSource* defaultSource(QObject* parent) {
    // GeoClue grants access per desktop entry.
    const QString desktopEntry = QGuiApplication::desktopFileName();
    const QVariantMap parameters{{QStringLiteral("desktopId"), desktopEntry.isEmpty()
                                                                   ? QStringLiteral("pet-tundle")
                                                                   : desktopEntry}};
    return QGeoPositionInfoSource::createDefaultSource(parameters, parent);
}

LocationFix fixOf(const QGeoPositionInfo& info) {
    const QGeoCoordinate coordinate = info.coordinate();
    return LocationFix{
        .latitude = coordinate.latitude(),
        .longitude = coordinate.longitude(),
        .horizontalAccuracy = info.hasAttribute(QGeoPositionInfo::HorizontalAccuracy)
                                  ? info.attribute(QGeoPositionInfo::HorizontalAccuracy)
                                  : -1,
        .timestamp = info.timestamp(),
    };
}

}  // namespace

QtLocationSource::QtLocationSource(QObject* parent)
    : QtLocationSource(defaultSource(nullptr), parent) {}

QtLocationSource::QtLocationSource(QGeoPositionInfoSource* source, QObject* parent)
    : QObject(parent), source_(source) {
    if (!source_) {
        return;
    }
    source_->setParent(this);
    // Network and cell positions are enough for the weather, and spare the satellite receiver.
    source_->setPreferredPositioningMethods(QGeoPositionInfoSource::NonSatellitePositioningMethods);
    connect(source_, &QGeoPositionInfoSource::positionUpdated, this,
            [this](const QGeoPositionInfo& info) {
                if (updated_) {
                    updated_({fixOf(info)});
                }
            });
    connect(source_, &QGeoPositionInfoSource::errorOccurred, this,
            [this](QGeoPositionInfoSource::Error error) {
                if (error == QGeoPositionInfoSource::AccessError) {
                    refused_ = true;
                }
                if (failed_) {
                    failed_();
                }
            });
}

void QtLocationSource::setHandlers(Updated updated, Failed failed) {
    updated_ = std::move(updated);
    failed_ = std::move(failed);
}

LocationAuthorization QtLocationSource::authorization() const {
    return source_ && !refused_ ? LocationAuthorization::authorizedAlways
                                : LocationAuthorization::denied;
}

void QtLocationSource::startUpdating() {
    if (source_ && !updating_) {
        updating_ = true;
        source_->startUpdates();
    }
}

void QtLocationSource::stopUpdating() {
    if (source_ && updating_) {
        updating_ = false;
        source_->stopUpdates();
    }
}

}  // namespace tundle
