#pragma once

#include "toolkit/StyledButton.h"

namespace tundle {

// The filled primary button of the control centre and the editors: white 13-point semibold
// text on the accent, a soft accent shadow; the fill fades to 75 % while pressed.
class OrangeButton : public StyledButton {
    Q_OBJECT

public:
    explicit OrangeButton(const QString& text = {}, QWidget* parent = nullptr);

    static Recipe style();
};

}  // namespace tundle
