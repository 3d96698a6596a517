#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

namespace tundle {

// The interface face's family: the Simplified Chinese cut of Noto Sans CJK.
QString interfaceFamily();

// The interface font of the custom-drawn views at `size` pixels (one pixel per point); a weight
// the family lacks falls back to the nearest face it has. Qt shapes text at whole pixel sizes,
// so this rounds: text drawn at sizes that scale (the farm's) uses FractionalFont.
QFont interfaceFont(double size, QFont::Weight weight = QFont::Normal);

// The interface font at a pixel size that need not be whole: a farm at 0.6 asks for 3.9 pixels,
// which rounding would make 4. The text is shaped at a few times its size and drawn scaled back
// down, so sizes and widths keep their fractions.
class FractionalFont {
public:
    explicit FractionalFont(double size, QFont::Weight weight = QFont::Normal);

    double pixelSize() const { return size_; }
    double horizontalAdvance(const QString& text) const;
    double height() const;
    double descent() const;

    // Draws `text` upright with the left end of its baseline at `baseline` (Qt's coordinates).
    void draw(QPainter& painter, QPointF baseline, const QString& text, const QColor& color) const;

private:
    double size_;
    QFont shaped_;
    double scale_;
};

}  // namespace tundle
