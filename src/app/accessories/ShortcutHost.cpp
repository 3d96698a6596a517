#include "accessories/ShortcutHost.h"

#include "accessories/AccessoryRingLayout.h"

namespace tundle {

ShortcutHost::ShortcutHost(QWidget* parent)
    : QWidget(parent), viewport_(AccessoryRingLayout::fullViewport) {
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

}  // namespace tundle
