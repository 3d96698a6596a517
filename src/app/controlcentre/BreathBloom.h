#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <optional>
#include <vector>

#include "pets/PetAssets.h"

class QPainter;

namespace tundle {

// The breathing picture: a sunflower spiral of 180 glowing blue-green dots that spreads as the
// user breathes in and gathers as they breathe out, a soft light at its centre, and the pet's
// own breathing frames over it. The geometry is a pure function of expansion and elapsed
// time; the painter keeps its blur buffers and reuses the last glow for an unchanged picture.
class BreathBloom {
public:
    static constexpr int dotCount = 180;
    static constexpr double goldenAngle = 2.3999632297;
    static constexpr QSizeF framesSize{238, 238};
    static constexpr double framesDrop = 4;
    // The side in pixels at which each crisp dot is drawn once, then scaled down.
    static constexpr int spriteSide = 64;
    // The dots' hue moves by 0.045 from the centre out; 30 shades show it without steps.
    static constexpr int spriteShades = 30;

    struct Dot {
        QRectF square;
        double t = 0;
    };

    // The dots of a canvas of `size` (the view offers 400 by 380).
    static std::vector<Dot> dots(QSizeF size, double expansion, double elapsed);
    static double outerRadius(double expansion) { return 145 * expansion + 27; }
    static double centreLightRadius(double expansion) { return 28 * (1 - expansion) + 20; }
    static QColor dotColor(double t);
    // Where the pet's frames go in a canvas of `size`.
    static QRectF framesRect(QSizeF size);

    // Draws the bloom into `area` (in the painter's units) and, when given, the frames over
    // it. `pixelsPerUnit` is the device pixels one unit covers, so the glow is blurred at the
    // resolution it is shown.
    void paint(QPainter& painter, const QRectF& area, double expansion, double elapsed,
               const std::optional<PetAssets::BreathFrames>& frames, double pixelsPerUnit);

private:
    struct Key {
        QSizeF size;
        double expansion = -1;
        double elapsed = -1;
        double pixelsPerUnit = 0;
        bool operator==(const Key&) const = default;
    };

    void makeGlow(const QPainterPath& dots, const Key& key);
    void makeLight(const Key& key);
    void paintFrames(QPainter& painter, const QRectF& rect, const PetAssets::BreathFrames& frames,
                     double pixelsPerUnit);
    // `frame` at `pixels`, scaled once: a breath moves through the same few frames.
    QImage scaledFrame(const QImage& frame, QSize pixels);

    struct ScaledFrame {
        qint64 key = 0;
        QImage image;
    };
    static constexpr std::size_t keptFrames = 4;

    Key glowKey_;
    QImage glow_;
    QImage light_;
    QImage framesLayer_;
    std::vector<ScaledFrame> scaledFrames_;
    std::vector<QImage> sprites_;
};

}  // namespace tundle
