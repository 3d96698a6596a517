#pragma once

class QWidget;

namespace tundle {

// Makes a top-level widget the pet's floating panel: borderless, above other windows, never
// taking the keyboard focus, see-through where nothing is painted, on every workspace and
// neither in the taskbar nor in the pager.
class FloatingPanel {
public:
    // Call before the widget is first shown: the translucent surface is chosen when the native
    // window is created, which this does.
    static void configure(QWidget& panel);
};

}  // namespace tundle
