#include "toolkit/SoftButton.h"

#include "toolkit/Colors.h"
#include "toolkit/Typography.h"

namespace tundle {

StyledButton::Recipe SoftButton::style() {
    return Recipe{
        .font = Typography::font(TextSize::body, FontWeight::medium),
        .padding = QMarginsF(13, 9, 13, 9),
        .foreground = Colors::ink(),
        .fill = Colors::grey(0, 0.045),
        .pressedFill = Colors::grey(0, 0.09),
        .radius = 9,
    };
}

SoftButton::SoftButton(const QString& text, QWidget* parent)
    : StyledButton(style(), text, parent) {}

}  // namespace tundle
