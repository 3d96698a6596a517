#pragma once

#include <QEvent>
#include <QObject>

namespace tundle::test {

// Counts the paint events of the widgets it is installed on, and lets every event through.
struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

}  // namespace tundle::test
