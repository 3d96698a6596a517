#include "controlcentre/BreathBloom.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "toolkit/BoxBlur.h"

namespace tundle {

namespace {

const QColor tint1 = QColor::fromRgbF(0.01f, 0.38f, 1);
const QColor tint2 = QColor::fromRgbF(0.02f, 0.69f, 1);
const QColor centreLight = QColor::fromRgbF(0.68f, 0.96f, 1);

constexpr double wideBlur = 15;
constexpr double narrowBlur = 3;
constexpr double lightBlur = 9;
// The wide glow is blurred on a quarter-size copy, the others on half-size ones: the blur
// hides the coarser pixels and the cost falls with the square of the size.
constexpr double wideReduction = 4;
constexpr double narrowReduction = 2;

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(float(std::clamp(alpha, 0.0, 1.0)));
    return color;
}

QImage canvasImage(QSizeF units, double pixelsPerUnit) {
    QImage image(std::max(1, int(std::ceil(units.width() * pixelsPerUnit))),
                 std::max(1, int(std::ceil(units.height() * pixelsPerUnit))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

std::vector<BreathBloom::Dot> BreathBloom::dots(QSizeF size, double expansion, double elapsed) {
    const double cx = size.width() / 2;
    const double cy = size.height() / 2;
    const double radius = outerRadius(expansion);
    const double c = 1 - expansion;
    const double rotation = 0.65 * c + 0.085 * elapsed;
    const double dotScale = 0.7 * expansion + 0.3;
    std::vector<Dot> result;
    result.reserve(dotCount);
    for (int i = 0; i < dotCount; ++i) {
        const double t = (i + 0.5) / dotCount;
        const double root = std::sqrt(t);
        const double distance = 0.9 * radius * root;
        const double angle = rotation + i * goldenAngle + 0.85 * c * root;
        const double q = dotScale * (12.8 * std::pow(t, 1.65) + 1.1);
        result.push_back({QRectF(cx + distance * std::cos(angle) - q,
                                 cy + distance * std::sin(angle) - q, 2 * q, 2 * q),
                          t});
    }
    return result;
}

QColor BreathBloom::dotColor(double t) {
    return QColor::fromHsvF(float(0.535 + 0.045 * t), 0.98f, 0.94f);
}

QRectF BreathBloom::framesRect(QSizeF size) {
    return {(size.width() - framesSize.width()) / 2,
            (size.height() - framesSize.height()) / 2 + framesDrop, framesSize.width(),
            framesSize.height()};
}

void BreathBloom::makeGlow(const QPainterPath& path, const Key& key) {
    const auto layer = [&](double reduction, const QColor& color, double blur) {
        const double scale = key.pixelsPerUnit / reduction;
        QImage image = canvasImage(key.size, scale);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.fillPath(path, color);
        painter.end();
        BoxBlur::apply(image, blur * scale);
        return image;
    };
    wideGlow_ = layer(wideReduction, withAlpha(tint1, 0.72), wideBlur);
    narrowGlow_ = layer(narrowReduction, withAlpha(tint2, 0.4), narrowBlur);
}

void BreathBloom::makeLight(const Key& key) {
    const double c = 1 - key.expansion;
    const double radius = centreLightRadius(key.expansion);
    const double margin = 3 * lightBlur;
    const double side = 2 * (radius + margin);
    const double scale = key.pixelsPerUnit / narrowReduction;
    light_ = canvasImage(QSizeF(side, side), scale);
    QPainter painter(&light_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const QPointF centre(side / 2, side / 2);
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, withAlpha(centreLight, c * c * c));
    gradient.setColorAt(1, withAlpha(tint2, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
    painter.end();
    BoxBlur::apply(light_, lightBlur * scale);
}

void BreathBloom::paint(QPainter& painter, const QRectF& area, double expansion, double elapsed,
                        const std::optional<PetAssets::BreathFrames>& frames,
                        double pixelsPerUnit) {
    const Key key{area.size(), expansion, elapsed, pixelsPerUnit};
    const std::vector<Dot> laid = dots(area.size(), expansion, elapsed);
    if (!(key == glowKey_)) {
        QPainterPath shared;
        for (const Dot& dot : laid) {
            shared.addEllipse(dot.square);
        }
        makeGlow(shared, key);
        makeLight(key);
        glowKey_ = key;
    }

    painter.save();
    painter.translate(area.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF canvas(QPointF(0, 0), area.size());
    painter.drawImage(canvas, wideGlow_);
    painter.drawImage(canvas, narrowGlow_);

    painter.setPen(Qt::NoPen);
    for (const Dot& dot : laid) {
        const QColor color = dotColor(dot.t);
        QRadialGradient gradient(dot.square.center(), dot.square.width() / 2);
        gradient.setColorAt(0, withAlpha(color, 0.9));
        gradient.setColorAt(1, withAlpha(color, 0.54));
        painter.setBrush(gradient);
        painter.drawEllipse(dot.square);
    }

    const double lightSide = light_.width() / (pixelsPerUnit / narrowReduction);
    painter.drawImage(QRectF(canvas.center().x() - lightSide / 2,
                             canvas.center().y() - lightSide / 2, lightSide, lightSide),
                      light_);

    if (frames) {
        paintFrames(painter, framesRect(area.size()), *frames, pixelsPerUnit);
    }
    painter.restore();
}

void BreathBloom::paintFrames(QPainter& painter, const QRectF& rect,
                              const PetAssets::BreathFrames& frames, double pixelsPerUnit) {
    const QSize pixels(int(std::ceil(rect.width() * pixelsPerUnit)),
                       int(std::ceil(rect.height() * pixelsPerUnit)));
    if (framesLayer_.size() != pixels) {
        framesLayer_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    }
    framesLayer_.fill(Qt::transparent);
    {
        // Added, not laid over: where both frames are opaque the blend stays opaque.
        QPainter layer(&framesLayer_);
        layer.setRenderHint(QPainter::SmoothPixmapTransform);
        layer.setCompositionMode(QPainter::CompositionMode_Plus);
        const QRectF whole(QPointF(0, 0), QSizeF(pixels));
        layer.setOpacity(1 - frames.fraction);
        layer.drawImage(whole, *frames.first);
        layer.setOpacity(frames.fraction);
        layer.drawImage(whole, *frames.second);
    }
    painter.drawImage(rect, framesLayer_);
}

}  // namespace tundle
