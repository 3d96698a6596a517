#pragma once

#include <QIcon>
#include <QImage>

namespace tundle {

// The application's status icon: a green leaf, drawn here at every size a tray asks for.
class LeafIcon {
public:
    static QIcon make();
    static QImage draw(int side);
};

}  // namespace tundle
