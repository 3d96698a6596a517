#pragma once

#include <QApplication>
#include <QFont>
#include <QPalette>

#include "toolkit/ToolkitStyle.h"

namespace tundle::test {

// The application's look for one test: the toolkit's style, palette and font while it lives,
// Qt's plain Fusion afterwards, so the tests that follow in the same process see what they expect.
class ToolkitLook {
public:
    ToolkitLook() : palette_(QApplication::palette()), font_(QApplication::font()) {
        ToolkitStyle::install();
    }
    ~ToolkitLook() {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(palette_);
        QApplication::setFont(font_);
    }
    ToolkitLook(const ToolkitLook&) = delete;
    ToolkitLook& operator=(const ToolkitLook&) = delete;

private:
    QPalette palette_;
    QFont font_;
};

}  // namespace tundle::test
