#include <QWidget>

#include "GalleryScene.h"
#include "toolkit/Colors.h"
#include "toolkit/LightPalette.h"

namespace tundle::gallery {

QImage renderInWindow(QWidget* widget, int width) {
    QWidget window;
    LightPalette::apply(window);
    widget->setParent(&window);
    widget->move(34, 30);
    widget->resize(width, widget->heightForWidth(width));
    window.resize(width + 68, widget->height() + 60);
    return renderWidget(window, Colors::canvas());
}

}  // namespace tundle::gallery
