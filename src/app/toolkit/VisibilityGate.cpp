#include "toolkit/VisibilityGate.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tundle {

VisibilityGate::VisibilityGate(QWidget& view) : QObject(&view), view_(view) {
    view_.installEventFilter(this);
    watchWindow();
    open_ = computeOpen();
}

void VisibilityGate::watchWindow() {
    QWidget* window = view_.window();
    if (window != window_) {
        if (window_ && window_ != &view_) {
            window_->removeEventFilter(this);
        }
        window_ = window;
        if (window_ != &view_) {
            window_->installEventFilter(this);
        }
    }
    QWindow* handle = window_->windowHandle();
    if (handle != handle_) {
        if (handle_) {
            handle_->removeEventFilter(this);
        }
        handle_ = handle;
        if (handle_) {
            handle_->installEventFilter(this);
        }
    }
}

bool VisibilityGate::computeOpen() const {
    return view_.isVisible() && window_ && !window_->isMinimized() && handle_ &&
           handle_->isExposed();
}

void VisibilityGate::drive(QTimer& timer, std::function<bool()> wanted) {
    driven_.push_back({&timer, std::move(wanted)});
    refresh();
}

void VisibilityGate::refresh() {
    watchWindow();
    const bool open = computeOpen();
    for (const Driven& entry : driven_) {
        if (!entry.timer) {
            continue;
        }
        const bool run = open && (!entry.wanted || entry.wanted());
        if (run && !entry.timer->isActive()) {
            entry.timer->start();
        } else if (!run && entry.timer->isActive()) {
            entry.timer->stop();
        }
    }
    if (open != open_) {
        open_ = open;
        emit openChanged(open);
    }
}

bool VisibilityGate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Close:
        case QEvent::ParentChange:
        case QEvent::WindowStateChange:
        case QEvent::Expose:
        case QEvent::PlatformSurface:
            // Handled after the event, when the widget's or window's state has changed.
            QTimer::singleShot(0, this, &VisibilityGate::refresh);
            if (event->type() == QEvent::Hide) {
                // A hidden view stops at once; waiting a turn would let a timer fire.
                refresh();
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tundle
