#pragma once

class QWidget;

namespace tundle {

// Tab and Shift+Tab go through the widgets inside `form` in the order its layouts place them,
// top to bottom, not in the order they were made; hidden ones get their place for when they
// show, and a disabled one is passed over as usual. A widget made later joins the end of the
// window's chain, so call this again after adding some.
void chainTabOrder(QWidget& form);

}  // namespace tundle
