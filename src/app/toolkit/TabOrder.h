#pragma once

#include <vector>

class QWidget;

namespace tundle {

// Tab and Shift+Tab go through `widgets` in the order given (the form's, top to bottom), not in
// the order they were made; a hidden or disabled one is passed over as usual.
void chainTabOrder(const std::vector<QWidget*>& widgets);

}  // namespace tundle
