#include "controlcentre/BreathBloom.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <array>
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
// The glows and the centre light are blurred at half resolution: the blur hides the coarser
// pixels and the cost falls with the square of the size.
constexpr double glowReduction = 2;

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

// `color` at each of the 256 strengths of a mask, premultiplied.
std::array<quint32, 256> shades(const QColor& color) {
    std::array<quint32, 256> table{};
    for (int alpha = 0; alpha < 256; ++alpha) {
        QColor shade = color;
        shade.setAlphaF(float(color.alphaF() * alpha / 255.0));
        table[size_t(alpha)] = qPremultiply(shade.rgba());
    }
    return table;
}

// Every channel of a premultiplied pixel times `factor` / 255, two channels at a time.
quint32 scaled(quint32 pixel, quint32 factor) {
    quint32 even = (pixel & 0xff00ff) * factor;
    even = ((even + ((even >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    quint32 odd = ((pixel >> 8) & 0xff00ff) * factor;
    odd = (odd + ((odd >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return even | odd;
}

// (255 - `weight`) / 255 of `from` plus `weight` / 255 of `to`, both premultiplied, rounded
// once, two channels at a time: the same pixel twice gives itself back exactly.
quint32 mixed(quint32 from, quint32 to, quint32 weight) {
    const quint32 rest = 255 - weight;
    quint32 even = (from & 0xff00ff) * rest + (to & 0xff00ff) * weight;
    even = ((even + ((even >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    quint32 odd = ((from >> 8) & 0xff00ff) * rest + ((to >> 8) & 0xff00ff) * weight;
    odd = (odd + ((odd >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return even | odd;
}

// `top` laid over `bottom`, both premultiplied.
quint32 over(quint32 top, quint32 bottom) {
    return top + scaled(bottom, 255 - qAlpha(top));
}

// One crisp dot drawn large once: the colour at 90 % in the middle fading to 54 % at the rim.
QImage dotSprite(const QColor& color) {
    QImage sprite(BreathBloom::spriteSide, BreathBloom::spriteSide,
                  QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square(0, 0, BreathBloom::spriteSide, BreathBloom::spriteSide);
    QRadialGradient gradient(square.center(), square.width() / 2);
    gradient.setColorAt(0, withAlpha(color, 0.9));
    gradient.setColorAt(1, withAlpha(color, 0.54));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(square);
    return sprite;
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
    // Both glows are one colour each and share their shape: the shape is drawn once as a mask
    // at half resolution, blurred twice (the cost does not grow with the radius) and tinted
    // into one picture, the narrow glow over the wide one.
    const double scale = key.pixelsPerUnit / glowReduction;
    QImage narrow(std::max(1, int(std::ceil(key.size.width() * scale))),
                  std::max(1, int(std::ceil(key.size.height() * scale))), QImage::Format_Alpha8);
    narrow.fill(0);
    QPainter painter(&narrow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.fillPath(path, Qt::black);
    painter.end();
    QImage wide = narrow.copy();
    BoxBlur::apply(wide, wideBlur * scale);
    BoxBlur::apply(narrow, narrowBlur * scale);

    const std::array<quint32, 256> wideShades = shades(withAlpha(tint1, 0.72));
    const std::array<quint32, 256> narrowShades = shades(withAlpha(tint2, 0.4));
    glow_ = QImage(narrow.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < narrow.height(); ++y) {
        const uchar* top = narrow.constScanLine(y);
        const uchar* bottom = wide.constScanLine(y);
        auto* to = reinterpret_cast<quint32*>(glow_.scanLine(y));
        for (int x = 0; x < narrow.width(); ++x) {
            to[x] = over(narrowShades[top[x]], wideShades[bottom[x]]);
        }
    }
}

void BreathBloom::makeLight(const Key& key) {
    const double c = 1 - key.expansion;
    const double radius = centreLightRadius(key.expansion);
    const double margin = 3 * lightBlur;
    const double side = 2 * (radius + margin);
    const double scale = key.pixelsPerUnit / glowReduction;
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
    painter.drawImage(canvas, glow_);

    if (sprites_.empty()) {
        for (int shade = 0; shade < spriteShades; ++shade) {
            sprites_.push_back(dotSprite(dotColor((shade + 0.5) / spriteShades)));
        }
    }
    for (const Dot& dot : laid) {
        const int shade = std::min(spriteShades - 1, int(dot.t * spriteShades));
        painter.drawImage(dot.square, sprites_[size_t(shade)]);
    }

    const double lightSide = light_.width() / (pixelsPerUnit / glowReduction);
    painter.drawImage(QRectF(canvas.center().x() - lightSide / 2,
                             canvas.center().y() - lightSide / 2, lightSide, lightSide),
                      light_);

    if (frames) {
        paintFrames(painter, framesRect(area.size()), *frames, pixelsPerUnit);
    }
    painter.restore();
}

QImage BreathBloom::scaledFrame(const QImage& frame, QSize pixels) {
    for (const ScaledFrame& kept : scaledFrames_) {
        if (kept.key == frame.cacheKey() && kept.image.size() == pixels) {
            return kept.image;
        }
    }
    if (scaledFrames_.size() >= keptFrames) {
        scaledFrames_.erase(scaledFrames_.begin());
    }
    QImage scaled = frame.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    scaledFrames_.push_back({frame.cacheKey(), std::move(scaled)});
    return scaledFrames_.back().image;
}

void BreathBloom::paintFrames(QPainter& painter, const QRectF& rect,
                              const PetAssets::BreathFrames& frames, double pixelsPerUnit) {
    const QSize pixels(int(std::ceil(rect.width() * pixelsPerUnit)),
                       int(std::ceil(rect.height() * pixelsPerUnit)));
    if (framesLayer_.size() != pixels) {
        framesLayer_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    }
    // Added, not laid over: (1 - f) of the first and f of the second, pixel by pixel, so where
    // both frames are opaque the pet stays opaque at every f. The painter's own additive mode
    // clips the sum before it weighs the second frame, which left the pet half transparent.
    const QImage first = scaledFrame(*frames.first, pixels);
    const QImage second = scaledFrame(*frames.second, pixels);
    const auto weight = quint32(std::lround(std::clamp(frames.fraction, 0.0, 1.0) * 255));
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* from = reinterpret_cast<const quint32*>(first.constScanLine(y));
        const auto* to = reinterpret_cast<const quint32*>(second.constScanLine(y));
        auto* out = reinterpret_cast<quint32*>(framesLayer_.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            out[x] = mixed(from[x], to[x], weight);
        }
    }
    painter.drawImage(rect, framesLayer_);
}

}  // namespace tundle
