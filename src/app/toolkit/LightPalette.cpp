#include "toolkit/LightPalette.h"

#include <QPalette>
#include <QWidget>

#include "toolkit/Colors.h"
#include "toolkit/Typography.h"

namespace tundle {

QPalette LightPalette::palette() {
    const QColor ink = Colors::ink();
    const QColor muted = Colors::muted();
    QPalette palette(ink, Colors::canvas());
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, Colors::canvas());
        palette.setColor(group, QPalette::WindowText, ink);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::AlternateBase, Colors::grey(0.97));
        palette.setColor(group, QPalette::Text, ink);
        palette.setColor(group, QPalette::Button, Colors::grey(0.96));
        palette.setColor(group, QPalette::ButtonText, ink);
        palette.setColor(group, QPalette::Highlight, Colors::accent());
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::PlaceholderText, muted);
        palette.setColor(group, QPalette::ToolTipBase, Qt::white);
        palette.setColor(group, QPalette::ToolTipText, ink);
        palette.setColor(group, QPalette::Link, Colors::accent());
        palette.setColor(group, QPalette::LinkVisited, Colors::accent());
        palette.setColor(group, QPalette::BrightText, Qt::white);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, Colors::withOpacity(muted, 0.6));
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, Colors::grey(0.97));
    palette.setColor(QPalette::Disabled, QPalette::Window, Colors::canvas());
    palette.setColor(QPalette::Disabled, QPalette::Highlight, Colors::withOpacity(muted, 0.5));
    return palette;
}

void LightPalette::apply(QWidget& window) {
    window.setPalette(palette());
    window.setFont(Typography::font(TextSize::control));
}

}  // namespace tundle
