#include "toolkit/Divider.h"

#include <QPalette>
#include <QWidget>

#include "toolkit/Colors.h"

namespace tundle {

QWidget* divider() {
    auto* line = new QWidget;
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, Colors::grey(0, 0.1));
    line->setPalette(colours);
    return line;
}

}  // namespace tundle
