#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "accessories/AccessoryArtwork.h"

namespace tundle {
namespace {

// A 1024 × 1024 picture with a drawing in its middle: what the trim pays once per process.
void BM_TrimLargeArtwork(benchmark::State& state) {
    QImage image(1024, 1024, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setBrush(QColor(200, 150, 80));
    painter.drawEllipse(QRect(300, 350, 420, 300));
    painter.end();
    for (auto _ : state) {
        benchmark::DoNotOptimize(AccessoryArtwork::trimmed(image));
    }
}
BENCHMARK(BM_TrimLargeArtwork)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
