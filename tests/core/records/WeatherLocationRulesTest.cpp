#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>

#include "records/WeatherLocation.h"

namespace tundle {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

TEST(WeatherLocationRules, CreateCutsTheNameAndRoundsCoordinatesToOneDecimal) {
    const QString seventy = QString(70, u'a');
    EXPECT_EQ(WeatherLocation::create(seventy, 0, 0).name, QString(60, u'a'));
    // A family emoji is one character although it is five code points.
    const QString sixty = QString(59, u'b') + QStringLiteral("👨‍👩‍👧‍👦");
    EXPECT_EQ(WeatherLocation::create(sixty, 0, 0).name, sixty);
    EXPECT_EQ(WeatherLocation::create(sixty + u'c', 0, 0).name, sixty);

    const auto rounded = [](double value) {
        return WeatherLocation::create(QStringLiteral("x"), value, 0).latitude;
    };
    EXPECT_EQ(rounded(31.25), 31.3);
    EXPECT_EQ(rounded(-31.25), -31.3);
    EXPECT_EQ(rounded(116.44), 116.4);
    EXPECT_EQ(rounded(0.05), 0.1);
    EXPECT_EQ(rounded(-0.05), -0.1);
    EXPECT_FALSE(std::signbit(rounded(-0.04)));
    EXPECT_FALSE(std::signbit(rounded(-0.0)));
    EXPECT_EQ(WeatherLocation::create(QStringLiteral("x"), -0.04, 0.04).key(),
              QStringLiteral("0.0,0.0"));
    EXPECT_TRUE(std::isnan(rounded(nan)));
    EXPECT_EQ(rounded(1e300), 1e300);
}

TEST(WeatherLocationRules, KeyIgnoresTheUserLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString key = WeatherLocation::create(QStringLiteral("北京"), 39.9, 116.4).key();
    QLocale::setDefault(previous);
    EXPECT_EQ(key, QStringLiteral("39.9,116.4"));
    EXPECT_EQ(WeatherLocation::create(QStringLiteral("悉尼"), -33.9, 151.2).key(),
              QStringLiteral("-33.9,151.2"));
}

TEST(WeatherLocationRules, ValidNeedsFiniteCoordinatesOnTheGlobeAndAShortName) {
    const auto valid = [](const QString& name, double latitude, double longitude) {
        return WeatherLocation{.name = name, .latitude = latitude, .longitude = longitude}
            .isValid();
    };
    const QString name = QStringLiteral("上海");
    EXPECT_TRUE(valid(name, -90, 180));
    EXPECT_TRUE(valid(QStringLiteral(" "), 0, 0));
    EXPECT_TRUE(valid(QString(60, u'a'), 0, 0));
    EXPECT_FALSE(valid(QString(61, u'a'), 0, 0));
    EXPECT_FALSE(valid(QString(), 0, 0));
    EXPECT_FALSE(valid(name, 90.1, 0));
    EXPECT_FALSE(valid(name, 0, -180.5));
    EXPECT_FALSE(valid(name, nan, 0));
    EXPECT_FALSE(valid(name, 0, nan));
    EXPECT_FALSE(valid(name, infinity, 0));
    EXPECT_FALSE(valid(name, 0, -infinity));
}

}  // namespace
}  // namespace tundle
