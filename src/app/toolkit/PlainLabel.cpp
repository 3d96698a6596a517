#include "toolkit/PlainLabel.h"

namespace tundle {

QLabel* plainLabel(const QString& text, double points, const QColor& color, QWidget* parent,
                   FontWeight weight) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Typography::font(points, weight));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

}  // namespace tundle
