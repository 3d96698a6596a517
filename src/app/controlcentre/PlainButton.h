#pragma once

#include "toolkit/StyledButton.h"

namespace tundle {

// A borderless text or symbol button: only its label, in `font` and `color`, with `padding`.
class PlainButton : public StyledButton {
    Q_OBJECT

public:
    PlainButton(const QFont& font, const QColor& color, const QString& text = {},
                QWidget* parent = nullptr, double padding = 2);
};

}  // namespace tundle
