#include "farmgen/FarmBackdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

#include "farm/FarmLayout.h"

namespace tundle {

namespace {

constexpr double W = FarmBackdrop::width;
constexpr double H = FarmBackdrop::height;
// The far edge of the field, in pixels from the top.
constexpr double horizon = 0.3 * H;

struct Palette {
    QColor skyTop;
    QColor skyBottom;
    QColor hillFar;
    QColor hillNear;
    QColor grassFar;
    QColor grassNear;
    QColor soil;
    QColor soilRim;
    QColor wood;
    QColor barn;
    QColor roof;
    QColor cloud;
    QColor window;
    double darkClouds = 0;
};

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

Palette paletteFor(RoomWeather weather, FarmBackdrop::Light light) {
    Palette p{QColor(112, 184, 238), QColor(206, 236, 250),
              QColor(140, 190, 150), QColor(112, 176, 104),
              QColor(150, 200, 104), QColor(118, 178, 84),
              QColor(150, 98, 60),   QColor(110, 70, 42),
              QColor(196, 150, 100), QColor(204, 86, 70),
              QColor(150, 62, 54),   QColor(255, 255, 255, 235),
              QColor(250, 236, 190), 0};
    switch (weather) {
        case RoomWeather::cloudy:
        case RoomWeather::fog:
            p.skyTop = QColor(150, 172, 192);
            p.skyBottom = QColor(214, 224, 230);
            p.cloud = QColor(240, 243, 246, 240);
            p.darkClouds = 0.15;
            break;
        case RoomWeather::rain:
            p.skyTop = QColor(104, 120, 140);
            p.skyBottom = QColor(170, 184, 196);
            p.cloud = QColor(150, 160, 172, 245);
            p.darkClouds = 0.5;
            break;
        case RoomWeather::storm:
            p.skyTop = QColor(52, 58, 80);
            p.skyBottom = QColor(112, 118, 140);
            p.cloud = QColor(86, 92, 110, 250);
            p.darkClouds = 0.8;
            break;
        case RoomWeather::snow:
            p.skyTop = QColor(178, 196, 214);
            p.skyBottom = QColor(232, 238, 244);
            p.hillFar = QColor(226, 234, 242);
            p.hillNear = QColor(238, 242, 248);
            p.grassFar = QColor(236, 240, 246);
            p.grassNear = QColor(246, 248, 252);
            p.soil = QColor(138, 100, 76);
            p.cloud = QColor(246, 248, 252, 240);
            p.darkClouds = 0.1;
            break;
        case RoomWeather::clear:
            break;
    }
    if (weather == RoomWeather::rain || weather == RoomWeather::storm) {
        const double t = weather == RoomWeather::storm ? 0.45 : 0.28;
        for (QColor* c :
             {&p.hillFar, &p.hillNear, &p.grassFar, &p.grassNear, &p.soil, &p.barn, &p.wood}) {
            *c = mix(*c, QColor(40, 52, 60), t);
        }
    }
    if (light == FarmBackdrop::Light::neutral) {
        p.skyTop = mix(p.skyTop, QColor(220, 226, 230), 0.35);
    }
    if (light == FarmBackdrop::Light::night) {
        p.skyTop = QColor(14, 20, 52);
        p.skyBottom = QColor(44, 58, 104);
        for (QColor* c : {&p.hillFar, &p.hillNear, &p.grassFar, &p.grassNear, &p.soil, &p.soilRim,
                          &p.wood, &p.barn, &p.roof}) {
            *c = mix(*c, QColor(18, 26, 60), 0.62);
        }
        p.cloud = QColor(70, 80, 120, 180);
        p.window = QColor(255, 206, 110);
    }
    return p;
}

void paintSky(QPainter& painter, const Palette& p, RoomWeather weather, FarmBackdrop::Light light,
              QRandomGenerator& random) {
    QLinearGradient sky(0, 0, 0, horizon + 40);
    sky.setColorAt(0, p.skyTop);
    sky.setColorAt(1, p.skyBottom);
    painter.fillRect(QRectF(0, 0, W, horizon + 60), sky);
    if (light == FarmBackdrop::Light::night) {
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 70; ++i) {
            const double size = 1.5 + random.bounded(3.0);
            painter.setBrush(QColor(255, 250, 220, 120 + random.bounded(120)));
            painter.drawEllipse(QPointF(random.bounded(W), random.bounded(horizon - 30)), size / 2,
                                size / 2);
        }
        QRadialGradient glow(QPointF(0.8 * W, 0.1 * H), 90);
        glow.setColorAt(0, QColor(255, 248, 210, 90));
        glow.setColorAt(1, QColor(255, 248, 210, 0));
        painter.setBrush(glow);
        painter.drawEllipse(QPointF(0.8 * W, 0.1 * H), 90, 90);
        QPainterPath moon;
        moon.addEllipse(QPointF(0.8 * W, 0.1 * H), 34, 34);
        QPainterPath bite;
        bite.addEllipse(QPointF(0.8 * W + 16, 0.1 * H - 10), 30, 30);
        painter.setBrush(QColor(255, 244, 200));
        painter.drawPath(moon.subtracted(bite));
    } else if (weather == RoomWeather::clear) {
        QRadialGradient sun(QPointF(0.8 * W, 0.1 * H), 120);
        sun.setColorAt(0, QColor(255, 250, 200, 255));
        sun.setColorAt(0.32, QColor(255, 226, 120, 255));
        sun.setColorAt(0.36, QColor(255, 236, 160, 110));
        sun.setColorAt(1, QColor(255, 236, 160, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(sun);
        painter.drawEllipse(QPointF(0.8 * W, 0.1 * H), 120, 120);
    }
    const int clouds = weather == RoomWeather::clear ? 2 : 6;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < clouds; ++i) {
        const double cx = (i * 0.23 + 0.08 + random.bounded(0.08)) * W;
        const double cy = (0.06 + random.bounded(0.14)) * H;
        const double size = 50 + random.bounded(40.0) + 30 * p.darkClouds;
        const QColor shade = mix(p.cloud, QColor(60, 66, 84, p.cloud.alpha()), p.darkClouds * 0.5);
        for (int puff = 0; puff < 5; ++puff) {
            const double dx = (puff - 2) * size * 0.55;
            const double r = size * (puff == 2 ? 0.8 : 0.55);
            painter.setBrush(puff % 2 ? shade : p.cloud);
            painter.drawEllipse(QPointF(cx + dx, cy - (puff == 2 ? r * 0.3 : 0)), r, r * 0.7);
        }
    }
}

void paintHills(QPainter& painter, const Palette& p) {
    QPainterPath far;
    far.moveTo(0, horizon);
    far.cubicTo(0.2 * W, horizon - 110, 0.45 * W, horizon - 30, 0.6 * W, horizon - 70);
    far.cubicTo(0.75 * W, horizon - 110, 0.9 * W, horizon - 40, W, horizon - 60);
    far.lineTo(W, horizon + 40);
    far.lineTo(0, horizon + 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(p.hillFar);
    painter.drawPath(far);
    QPainterPath near;
    near.moveTo(0, horizon + 10);
    near.cubicTo(0.25 * W, horizon - 50, 0.5 * W, horizon + 10, W, horizon - 20);
    near.lineTo(W, horizon + 60);
    near.lineTo(0, horizon + 60);
    painter.setBrush(p.hillNear);
    painter.drawPath(near);
}

void paintBarn(QPainter& painter, const Palette& p, FarmBackdrop::Light light) {
    const QRectF wall(0.7 * W, 0.225 * H, 0.16 * W, 0.085 * H);
    painter.setPen(Qt::NoPen);
    painter.setBrush(p.barn);
    painter.drawRect(wall);
    QPainterPath roof;
    roof.moveTo(wall.left() - 12, wall.top());
    roof.lineTo(wall.center().x(), wall.top() - 58);
    roof.lineTo(wall.right() + 12, wall.top());
    roof.closeSubpath();
    painter.setBrush(p.roof);
    painter.drawPath(roof);
    const QRectF window(0.745 * W, 0.245 * H, 0.06 * W, 0.04 * H);
    if (light == FarmBackdrop::Light::night) {
        QRadialGradient glow(window.center(), 70);
        glow.setColorAt(0, QColor(255, 210, 120, 120));
        glow.setColorAt(1, QColor(255, 210, 120, 0));
        painter.setBrush(glow);
        painter.drawEllipse(window.center(), 70, 70);
    }
    painter.setBrush(p.window);
    painter.drawRect(window);
    painter.setPen(QPen(p.wood.darker(130), 4));
    painter.drawLine(QPointF(window.center().x(), window.top()),
                     QPointF(window.center().x(), window.bottom()));
    painter.drawLine(QPointF(window.left(), window.center().y()),
                     QPointF(window.right(), window.center().y()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(p.wood.darker(150));
    painter.drawRect(QRectF(wall.center().x() + 18, wall.bottom() - 44, 30, 44));
}

void paintField(QPainter& painter, const Palette& p, QRandomGenerator& random) {
    QLinearGradient grass(0, horizon, 0, H);
    grass.setColorAt(0, p.grassFar);
    grass.setColorAt(1, p.grassNear);
    QPainterPath field;
    field.moveTo(0, horizon + 30);
    field.cubicTo(0.3 * W, horizon + 10, 0.7 * W, horizon + 40, W, horizon + 20);
    field.lineTo(W, H);
    field.lineTo(0, H);
    painter.setPen(Qt::NoPen);
    painter.setBrush(grass);
    painter.drawPath(field);
    for (int i = 0; i < 420; ++i) {
        const double y = horizon + 40 + random.bounded(H - horizon - 40);
        const double depth = (y - horizon) / (H - horizon);
        const double x = random.bounded(W);
        const double length = 4 + 10 * depth;
        painter.setPen(QPen(i % 3 ? p.grassNear.darker(118) : p.grassFar.lighter(112),
                            1 + 1.5 * depth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x, y), QPointF(x + random.bounded(4.0) - 2, y - length));
    }
    // Flowers take on the grass's light, so they fade with it at night.
    const double light = p.grassNear.lightnessF() / QColor(118, 178, 84).lightnessF();
    const auto lit = [light](int r, int g, int b) {
        return QColor::fromRgbF(float(std::min(1.0, r / 255.0 * light)),
                                float(std::min(1.0, g / 255.0 * light)),
                                float(std::min(1.0, b / 255.0 * light)));
    };
    const QColor petals[] = {lit(255, 250, 240), lit(255, 214, 90), lit(250, 160, 190)};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(petals[i % 3]);
        const double y = horizon + 60 + random.bounded(H - horizon - 60);
        painter.drawEllipse(QPointF(random.bounded(W), y), 3.5, 3.5);
    }
}

void paintFence(QPainter& painter, const Palette& p) {
    const double top = 0.36 * H;
    painter.setPen(QPen(p.wood.darker(125), 2));
    painter.setBrush(p.wood);
    for (double x = 14; x < W; x += 54) {
        QPainterPath post;
        post.moveTo(x, top + 50);
        post.lineTo(x, top + 6);
        post.lineTo(x + 6, top);
        post.lineTo(x + 12, top + 6);
        post.lineTo(x + 12, top + 50);
        post.closeSubpath();
        painter.drawPath(post);
    }
    painter.drawRect(QRectF(0, top + 14, W, 8));
    painter.drawRect(QRectF(0, top + 32, W, 8));
}

void paintSoil(QPainter& painter, const Palette& p, QRandomGenerator& random, bool snowy) {
    for (const FarmPlotPlace& place : FarmLayout::places) {
        const double width = place.width / 300 * W;
        const double height = place.height / 400 * H;
        const QRectF bed(place.fx * W - width / 2, (1 - place.fy) * H - height / 2, width, height);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 30, 20, 60));
        painter.drawRoundedRect(bed.translated(0, 6), height * 0.35, height * 0.35);
        painter.setBrush(p.soilRim);
        painter.drawRoundedRect(bed, height * 0.35, height * 0.35);
        QLinearGradient earth(0, bed.top(), 0, bed.bottom());
        earth.setColorAt(0, p.soil.lighter(112));
        earth.setColorAt(1, p.soil);
        painter.setBrush(earth);
        painter.drawRoundedRect(bed.adjusted(5, 4, -5, -8), height * 0.3, height * 0.3);
        for (int i = 0; i < 40; ++i) {
            painter.setBrush(i % 2 ? p.soil.darker(125) : p.soil.lighter(125));
            painter.drawEllipse(QPointF(bed.left() + 16 + random.bounded(width - 32),
                                        bed.top() + 10 + random.bounded(height - 24)),
                                2.2, 1.6);
        }
        if (snowy) {
            painter.setBrush(QColor(250, 252, 255, 200));
            painter.drawEllipse(QPointF(bed.left() + width * 0.25, bed.top() + 8), width * 0.18, 6);
            painter.drawEllipse(QPointF(bed.left() + width * 0.72, bed.top() + 10), width * 0.14,
                                5);
        }
    }
}

}  // namespace

QImage FarmBackdrop::paint(RoomWeather weather, Light light) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const Palette p = paletteFor(weather, light);
    // The ground draws from its own seed, so every picture shows the same tufts and the night
    // blends over the day without ghosts.
    QRandomGenerator sky(1907);
    QRandomGenerator ground(2411);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSky(painter, p, weather, light, sky);
    paintHills(painter, p);
    paintBarn(painter, p, light);
    paintField(painter, p, ground);
    paintFence(painter, p);
    paintSoil(painter, p, ground, weather == RoomWeather::snow);
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tundle
