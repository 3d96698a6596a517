#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

namespace tundle {

// A font at a pixel size that need not be whole. Qt shapes text at whole pixel sizes only, so a
// small scaled size (a farm at 0.6 asks for 3.9 pixels) would be rounded; here the text is
// shaped at a few times its size and drawn scaled back down, so sizes and widths keep their
// fractions.
class FractionalFont {
public:
    // `face` gives the family, weight and hinting; its own size is replaced.
    FractionalFont(QFont face, double pixelSize);

    double pixelSize() const { return pixelSize_; }
    double horizontalAdvance(const QString& text) const;
    double height() const;
    double descent() const;

    // Draws `text` upright with the left end of its baseline at `baseline` (Qt's coordinates).
    void draw(QPainter& painter, QPointF baseline, const QString& text, const QColor& color) const;

private:
    QFont shaped_;
    double pixelSize_;
    double scale_;
};

}  // namespace tundle
