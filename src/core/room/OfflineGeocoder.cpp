#include "room/OfflineGeocoder.h"

#include <QRegularExpression>
#include <iterator>

#include "records/WeatherLocation.h"
#include "support/FileIO.h"

namespace tundle {

namespace {

constexpr qint64 zoneTableLimit = 1 << 20;

// The pinyin of each built-in city, in the order of the built-in list.
constexpr const char* cityPinyin[] = {
    "beijing",   "shanghai", "guangzhou", "shenzhen", "hangzhou",  "chengdu",
    "chongqing", "wuhan",    "nanjing",   "xian",     "xianggang", "taibei",
};

struct MajorCity {
    const char* name;
    const char* pinyin;
    double latitude;
    double longitude;
};

// Further major cities of China beyond the built-in list, found by Chinese name or pinyin.
constexpr MajorCity majorCities[] = {
    {"苏州", "suzhou", 31.30, 120.58},         {"天津", "tianjin", 39.13, 117.20},
    {"长沙", "changsha", 28.23, 112.94},       {"郑州", "zhengzhou", 34.75, 113.63},
    {"青岛", "qingdao", 36.07, 120.38},        {"沈阳", "shenyang", 41.80, 123.43},
    {"大连", "dalian", 38.91, 121.61},         {"厦门", "xiamen", 24.48, 118.09},
    {"福州", "fuzhou", 26.07, 119.30},         {"济南", "jinan", 36.65, 117.12},
    {"合肥", "hefei", 31.82, 117.23},          {"昆明", "kunming", 25.04, 102.71},
    {"哈尔滨", "haerbin", 45.80, 126.53},      {"长春", "changchun", 43.82, 125.32},
    {"石家庄", "shijiazhuang", 38.04, 114.51}, {"太原", "taiyuan", 37.87, 112.55},
    {"南昌", "nanchang", 28.68, 115.86},       {"南宁", "nanning", 22.82, 108.32},
    {"贵阳", "guiyang", 26.65, 106.63},        {"兰州", "lanzhou", 36.06, 103.83},
    {"乌鲁木齐", "wulumuqi", 43.83, 87.62},    {"拉萨", "lasa", 29.65, 91.13},
    {"呼和浩特", "huhehaote", 40.84, 111.75},  {"银川", "yinchuan", 38.49, 106.23},
    {"西宁", "xining", 36.62, 101.78},         {"海口", "haikou", 20.04, 110.35},
    {"三亚", "sanya", 18.25, 109.51},          {"宁波", "ningbo", 29.87, 121.55},
    {"无锡", "wuxi", 31.49, 120.31},           {"东莞", "dongguan", 23.02, 113.75},
    {"佛山", "foshan", 23.02, 113.12},         {"澳门", "aomen", 22.20, 113.55},
};

QString normalized(const QString& text) {
    QString key;
    for (const QChar c : text.toLower()) {
        if (c.isLetterOrNumber()) {
            key.append(c);
        }
    }
    return key;
}

// A query matches a place it begins ("hang" finds Hangzhou) or one it begins with, so that
// "北京市" or "Tokyo, Japan" still find the city.
bool matches(const QString& query, const QStringList& keys) {
    for (const QString& key : keys) {
        if (key.startsWith(query) || query.startsWith(key)) {
            return true;
        }
    }
    return false;
}

// "+3431+06912" or "+353916-0864118": degrees and minutes, seconds when seven digits follow.
std::optional<Placemark::Coordinate> parseCoordinate(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^([+-])(\\d{2})(\\d{2})(\\d{2})?([+-])(\\d{3})(\\d{2})(\\d{2})?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const auto angle = [&](int first) {
        const double value = match.captured(first + 1).toDouble() +
                             match.captured(first + 2).toDouble() / 60 +
                             match.captured(first + 3).toDouble() / 3600;
        return match.captured(first) == u'-' ? -value : value;
    };
    return Placemark::Coordinate{.latitude = angle(1), .longitude = angle(5)};
}

}  // namespace

OfflineGeocoder::OfflineGeocoder(QString zoneTable) : zoneTable_(std::move(zoneTable)) {
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    QObject::connect(&pending_, &QTimer::timeout, &pending_, [this] { answer(); });
}

void OfflineGeocoder::geocode(const QString& address, GeocodeDone done) {
    address_ = address;
    done_ = std::move(done);
    pending_.start();
}

void OfflineGeocoder::cancel() {
    pending_.stop();
    done_ = nullptr;
}

void OfflineGeocoder::answer() {
    GeocodeDone done = std::move(done_);
    done_ = nullptr;
    if (!done) {
        return;
    }
    GeocodeResult result;
    try {
        result = lookUp(address_);
    } catch (const std::exception&) {
        result = std::current_exception();
    }
    done(std::move(result));
}

std::vector<Placemark> OfflineGeocoder::lookUp(const QString& address) {
    const QString query = normalized(address);
    std::vector<Placemark> found;
    if (query.isEmpty()) {
        return found;
    }
    const std::vector<WeatherLocation>& cities = WeatherLocation::cities();
    for (std::size_t i = 0; i < std::size(cityPinyin) && i < cities.size(); ++i) {
        if (matches(query, {normalized(cities[i].name), QString::fromLatin1(cityPinyin[i])})) {
            found.push_back(Placemark{
                .location = Placemark::Coordinate{cities[i].latitude, cities[i].longitude},
                .locality = cities[i].name});
        }
    }
    for (const MajorCity& city : majorCities) {
        const QString name = QString::fromUtf8(city.name);
        if (matches(query, {name, QString::fromLatin1(city.pinyin)})) {
            found.push_back(
                Placemark{.location = Placemark::Coordinate{city.latitude, city.longitude},
                          .locality = name});
        }
    }
    for (const Place& place : zoneCities()) {
        if (matches(query, place.keys)) {
            found.push_back(place.placemark);
        }
    }
    return found;
}

const std::vector<OfflineGeocoder::Place>& OfflineGeocoder::zoneCities() {
    if (zoneCities_) {
        return *zoneCities_;
    }
    const QByteArray bytes = FileIO::readAtMost(zoneTable_, zoneTableLimit);
    if (bytes.size() > zoneTableLimit) {
        throw FileError(QStringLiteral("时区城市表过大：") + zoneTable_);
    }
    std::vector<Place> places;
    for (const QString& line : QString::fromUtf8(bytes).split(u'\n')) {
        const QStringList fields = line.split(u'\t');
        if (line.startsWith(u'#') || fields.size() < 3) {
            continue;
        }
        const std::optional<Placemark::Coordinate> location = parseCoordinate(fields[1]);
        const QString city = fields[2].section(u'/', -1).replace(u'_', u' ');
        if (location && !city.isEmpty()) {
            places.push_back(Place{.keys = {normalized(city)},
                                   .placemark = Placemark{.location = location, .locality = city}});
        }
    }
    zoneCities_ = std::move(places);
    return *zoneCities_;
}

}  // namespace tundle
