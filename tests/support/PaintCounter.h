#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

namespace tundle::test {

// Counts the paint events of the widgets it is installed on, and lets every event through.
struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    int paints = 0;
    // Everything repainted so far.
    QRegion painted;
};

}  // namespace tundle::test
