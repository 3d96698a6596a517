#include "platform/LocalEventMonitor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace tundle {

LocalEventMonitor::LocalEventMonitor(std::function<void(const LocalEvent&)> handler,
                                     QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
    QCoreApplication::instance()->installEventFilter(this);
}

LocalEventMonitor::~LocalEventMonitor() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool LocalEventMonitor::eventFilter(QObject* watched, QEvent* event) {
    // An input event reaches its window first and is then handed on to widgets; looking only at
    // windows sees each event once.
    if (!watched->isWindowType()) {
        return false;
    }
    auto* window = static_cast<QWindow*>(watched);
    if (event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::LeftButton || button == Qt::RightButton) {
            handler_({LocalEvent::Kind::mouseDown, false, window});
        }
    } else if (event->type() == QEvent::KeyPress) {
        const bool escape = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        handler_({LocalEvent::Kind::keyDown, escape, window});
    }
    return false;
}

}  // namespace tundle
