#include "farm/FarmWeather.h"

#include <QPainter>
#include <cmath>

#include "drawing/YUpSpace.h"

namespace tundle {

namespace {

double fraction(double x) {
    return x - std::trunc(x);
}

}  // namespace

int FarmWeather::particleCount(RoomWeather weather, RoomMotion motion, bool reduceMotion) {
    const bool falls = weather == RoomWeather::rain || weather == RoomWeather::storm ||
                       weather == RoomWeather::snow;
    if (reduceMotion || motion == RoomMotion::off || !falls) {
        return 0;
    }
    return motion == RoomMotion::light ? 14 : 26;
}

std::vector<QPointF> FarmWeather::particles(const QRectF& scene, RoomWeather weather, int count,
                                            double seconds) {
    const double speed = weather == RoomWeather::snow ? 0.08 : 0.48;
    const double p0 = speed * seconds;
    std::vector<QPointF> points;
    for (int i = 1; i <= count; ++i) {
        const double x = scene.x() + scene.width() * fraction(i * 0.618033);
        const double y = scene.y() + scene.height() * (1 - fraction(p0 + i * 0.317));
        points.emplace_back(weather == RoomWeather::snow ? x + 4 * std::sin(seconds + i) : x, y);
    }
    return points;
}

std::optional<double> FarmWeather::flashAlpha(RoomWeather weather, double seconds) {
    if (weather != RoomWeather::storm) {
        return std::nullopt;
    }
    const double m = std::fmod(seconds, flashPeriod);
    if (m < 0.08) {
        return 0.28;
    }
    if (m > 0.2 && m < 0.27) {
        return 0.14;
    }
    return std::nullopt;
}

void FarmWeather::draw(QPainter& painter, const YUpSpace& space, const QRectF& scene,
                       RoomWeather weather, RoomMotion motion, bool reduceMotion, double seconds) {
    const int count = particleCount(weather, motion, reduceMotion);
    if (count == 0) {
        return;
    }
    const std::vector<QPointF> points = particles(scene, weather, count, seconds);
    painter.save();
    if (weather == RoomWeather::snow) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgbF(1, 1, 1, 0.78f));
        for (const QPointF& p : points) {
            painter.drawEllipse(space.toQt(QRectF(p.x(), p.y(), 2.2, 2.2)));
        }
    } else {
        painter.setPen(QPen(QColor::fromRgbF(0.72f, 0.88f, 1.0f, 0.62f), 1.0));
        for (const QPointF& p : points) {
            painter.drawLine(space.toQt(p), space.toQt(p + QPointF(-3, -9)));
        }
    }
    if (const std::optional<double> flash = flashAlpha(weather, seconds)) {
        painter.fillRect(space.toQt(scene), QColor::fromRgbF(1, 1, 1, float(*flash)));
    }
    painter.restore();
}

}  // namespace tundle
