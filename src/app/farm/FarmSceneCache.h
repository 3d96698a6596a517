#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <map>
#include <tuple>

namespace tundle {

// The farm's pictures at the size they are drawn: each backdrop scaled once per size, and the
// panel's soft shadow blurred once per size and scale.
class FarmSceneCache {
public:
    // `picture` scaled to `pixels`, smoothly; kept until the picture or the size changes. A
    // picture already at that size is drawn as it is and not kept.
    const QImage& scaled(const QString& name, const QImage& picture, QSize pixels);
    // The shadow of a rounded panel of `pixels`, `radius` and `blur` (device pixels) in
    // `colour`, with a margin of twice the blur on every side.
    const QImage& shadow(QSize pixels, double radius, double blur, const QColor& colour);

    static QImage blurredPanel(QSize pixels, double radius, double blur, const QColor& colour);

private:
    struct Scaled {
        qint64 source = 0;
        QImage image;
    };
    std::map<QString, Scaled> scaled_;
    std::tuple<QSize, double, double, QRgb> shadowKey_;
    QImage shadow_;
};

}  // namespace tundle
