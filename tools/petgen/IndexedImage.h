#pragma once

#include <QImage>

namespace tundle {

// Reduces a drawing to at most 256 colours with alpha, so a sheet decodes to one byte a pixel.
// The most frequent colours form the palette (fully transparent first); every other colour
// takes the nearest entry. Deterministic for equal input.
QImage toIndexedImage(const QImage& image);

}  // namespace tundle
