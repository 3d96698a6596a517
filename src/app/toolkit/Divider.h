#pragma once

class QWidget;

namespace tundle {

// The faint one-point line between the groups of a card or a sheet.
QWidget* divider();

}  // namespace tundle
