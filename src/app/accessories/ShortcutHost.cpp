#include "accessories/ShortcutHost.h"

#include "accessories/AccessoryRingLayout.h"
#include "accessories/DesktopFunctionView.h"

namespace tundle {

ShortcutHost::ShortcutHost(AppModel& model, QWidget* parent)
    : QWidget(parent), viewport_(AccessoryRingLayout::fullViewport) {
    new DesktopFunctionView(model, viewport_, this);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

}  // namespace tundle
