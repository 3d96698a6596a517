#include "drawing/InterfaceFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace tundle {

namespace {

// How many times larger than drawn fractional text is shaped.
constexpr double oversampling = 4;

}  // namespace

QString interfaceFamily() {
    return QStringLiteral("Noto Sans CJK SC");
}

QFont interfaceFont(double size, QFont::Weight weight) {
    QFont font(interfaceFamily());
    font.setPixelSize(std::max(1, qRound(size)));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

FractionalFont::FractionalFont(double size, QFont::Weight weight)
    : size_(std::max(size, 0.25)),
      shaped_(interfaceFont(size_ * oversampling, weight)),
      scale_(size_ / shaped_.pixelSize()) {}

double FractionalFont::horizontalAdvance(const QString& text) const {
    return QFontMetricsF(shaped_).horizontalAdvance(text) * scale_;
}

double FractionalFont::height() const {
    return QFontMetricsF(shaped_).height() * scale_;
}

double FractionalFont::descent() const {
    return QFontMetricsF(shaped_).descent() * scale_;
}

void FractionalFont::draw(QPainter& painter, QPointF baseline, const QString& text,
                          const QColor& color) const {
    painter.save();
    painter.translate(baseline);
    painter.scale(scale_, scale_);
    painter.setFont(shaped_);
    painter.setPen(color);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

}  // namespace tundle
