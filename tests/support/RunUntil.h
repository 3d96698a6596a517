#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

namespace tundle::test {

// Runs the event loop until `done` holds; false after ten seconds.
template <typename Condition>
bool runUntil(Condition done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 10000) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

}  // namespace tundle::test
