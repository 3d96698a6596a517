#include "editors/WeatherEffects.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace tundle {

namespace {

// The part after the point, keeping the sign.
double fraction(double value) {
    return value - std::trunc(value);
}

}  // namespace

double WeatherEffects::flashOpacity(double time) {
    const double f = std::fmod(time, flashPeriod);
    if (f < 0.08) {
        return 0.34;
    }
    if (f > 0.2 && f < 0.27) {
        return 0.18;
    }
    return 0;
}

std::optional<double> WeatherEffects::glowOpacity(const RoomAtmosphere& atmosphere, double time) {
    if (atmosphere.weather != RoomWeather::clear || atmosphere.daylight <= 0.5) {
        return std::nullopt;
    }
    return 0.08 + 0.025 * std::sin(0.8 * time);
}

bool WeatherEffects::showsStars(const RoomAtmosphere& atmosphere) {
    return atmosphere.daylight < 0.2;
}

std::vector<WeatherEffects::Star> WeatherEffects::stars(const QSizeF& size, double time,
                                                        bool light) {
    const int count = light ? 8 : 15;
    std::vector<Star> result;
    result.reserve(count);
    for (int k = 1; k <= count; ++k) {
        const double x = size.width() * (std::fmod(k * 0.613, 0.88) + 0.06);
        const double y = size.height() * (std::fmod(double(k) * k * 0.117, 0.28) + 0.03);
        const double side = 1 + ((k - 1) % 3) / 2.0;
        result.push_back(
            Star{QRectF(x, y, side, side), 0.25 + 0.55 * std::abs(std::sin(0.9 * time + 1.7 * k))});
    }
    return result;
}

bool WeatherEffects::falls(RoomWeather weather) {
    return weather == RoomWeather::rain || weather == RoomWeather::storm ||
           weather == RoomWeather::snow;
}

int WeatherEffects::particleCount(double intensity, bool light) {
    return light ? 35 : int(intensity * 80 + 45);
}

double WeatherEffects::speed(RoomWeather weather) {
    switch (weather) {
        case RoomWeather::storm:
            return 0.85;
        case RoomWeather::snow:
            return 0.07;
        default:
            return 0.6;
    }
}

QPointF WeatherEffects::particle(int index, double phase, const QSizeF& size, const QRectF& area) {
    const double i = index;
    return {
        size.width() * (area.x() + area.width() * fraction(i * 0.6180339887)),
        size.height() * (area.y() + area.height() * fraction(phase + 0.217 * i + 0.371 * i * i))};
}

std::vector<QLineF> WeatherEffects::streaks(RoomWeather weather, double intensity, double time,
                                            bool light, const QSizeF& size, const QRectF& area) {
    const int count = particleCount(intensity, light);
    const double phase = speed(weather) * time;
    const QPointF fall(-0.012 * size.width(), 0.022 * size.height());
    std::vector<QLineF> result;
    result.reserve(std::max(count, 0));
    for (int i = 0; i < count; ++i) {
        const QPointF head = particle(i, phase, size, area);
        result.emplace_back(head, head + fall);
    }
    return result;
}

std::vector<QRectF> WeatherEffects::flakes(double intensity, double time, bool light,
                                           const QSizeF& size, const QRectF& area) {
    const int count = particleCount(intensity, light);
    const double phase = speed(RoomWeather::snow) * time;
    std::vector<QRectF> result;
    result.reserve(std::max(count, 0));
    for (int i = 0; i < count; ++i) {
        const QPointF at = particle(i, phase, size, area);
        const double side = 1 + (i % 3) / 2.0;
        result.emplace_back(at.x() + 4 * std::sin(time + i), at.y(), side, side);
    }
    return result;
}

void WeatherEffects::draw(QPainter& painter, const QSizeF& size, const RoomAtmosphere& atmosphere,
                          double time, bool light, double opacity) {
    if (opacity <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(QPointF(), size);
    const QRectF unit(0, 0, 1, 1);
    if (atmosphere.weather == RoomWeather::snow) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.setOpacity(opacity * 0.8);
        for (const QRectF& flake : flakes(atmosphere.intensity, time, light, size, unit)) {
            painter.drawEllipse(flake);
        }
    } else if (falls(atmosphere.weather)) {
        painter.setPen(QPen(Qt::white, 0.7));
        painter.setOpacity(opacity * 0.48);
        const std::vector<QLineF> lines =
            streaks(atmosphere.weather, atmosphere.intensity, time, light, size, unit);
        painter.drawLines(lines.data(), int(lines.size()));
    }
    if (atmosphere.weather == RoomWeather::storm) {
        if (const double flash = flashOpacity(time); flash > 0) {
            painter.setCompositionMode(QPainter::CompositionMode_Screen);
            painter.setOpacity(opacity * flash);
            painter.fillRect(whole, Qt::white);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    }
    if (const std::optional<double> glow = glowOpacity(atmosphere, time)) {
        QRadialGradient gradient(QPointF(size.width() * 0.27, size.height() * 0.105), glowRadius);
        QColor yellow(255, 204, 0);
        yellow.setAlphaF(float(*glow));
        gradient.setColorAt(0, yellow);
        gradient.setColorAt(1, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_Screen);
        painter.setOpacity(opacity);
        painter.fillRect(whole, gradient);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (showsStars(atmosphere)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        for (const Star& star : stars(size, time, light)) {
            painter.setOpacity(opacity * star.opacity);
            painter.drawEllipse(star.rect);
        }
    }
    painter.restore();
}

}  // namespace tundle
