#pragma once

#include <QString>
#include <QTimer>
#include <optional>
#include <vector>

#include "room/Geocoder.h"

namespace tundle {

// Finds places without a network: the built-in cities by their Chinese names or pinyin, and the
// principal city of every zone in the time-zone database by its English name. Answers come from
// the event loop, as a network geocoder's would.
class OfflineGeocoder : public Geocoder {
public:
    static constexpr const char* defaultZoneTable = "/usr/share/zoneinfo/zone1970.tab";

    explicit OfflineGeocoder(QString zoneTable = QString::fromLatin1(defaultZoneTable));

    void geocode(const QString& address, GeocodeDone done) override;
    void cancel() override;

private:
    struct Place {
        // Lower-case letters and digits only, so "Xi'an", "xian" and "XIAN" meet.
        QStringList keys;
        Placemark placemark;
    };

    void answer();
    std::vector<Placemark> lookUp(const QString& address);
    const std::vector<Place>& zoneCities();

    QString zoneTable_;
    std::optional<std::vector<Place>> zoneCities_;
    QTimer pending_;
    QString address_;
    GeocodeDone done_;
};

}  // namespace tundle
