#include "toolkit/PlainButton.h"

#include "toolkit/Colors.h"
#include "toolkit/Typography.h"

namespace tundle {

PlainButton::PlainButton(const QString& text, double points, const QColor& color, QWidget* parent)
    : StyledButton(
          Recipe{
              .font = Typography::font(points),
              .padding = QMarginsF(4, 3, 4, 3),
              .foreground = color,
              .fill = Qt::transparent,
              .pressedFill = Colors::withOpacity(color, 0.1),
              .radius = 6,
          },
          text, parent) {}

}  // namespace tundle
