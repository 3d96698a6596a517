#include "toolkit/ReleasingWindow.h"

#include <QHideEvent>
#include <QPixmapCache>
#include <QTimer>

#include "platform/FreedMemory.h"

namespace tundle {

ReleasingWindow::ReleasingWindow(QWidget* parent, Qt::WindowFlags flags,
                                 std::chrono::milliseconds returnHeapAfter)
    : QWidget(parent, flags), returnHeapAfter_(returnHeapAfter) {}

void ReleasingWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        // Once the hide has finished and whatever the closing dropped is gone.
        QTimer::singleShot(releaseDelay, this, &ReleasingWindow::releaseNativeWindow);
    }
}

void ReleasingWindow::releaseNativeWindow() {
    if (isVisible() || !windowHandle()) {
        return;
    }
    // Destroying the widget's native side lets go of the window object and its backing store,
    // and that needs a platform window to destroy.
    const QPoint position = pos();
    create();
    destroy();
    move(position);
    QTimer::singleShot(returnHeapAfter_, this, [this] {
        if (!isVisible()) {
            // Qt's style keeps what it drew for the controls (frames, gradients, at every size
            // drawn) in a shared cache that only a full 10 MB makes it trim; the few pictures the
            // pet's own controls need are drawn again.
            QPixmapCache::clear();
            returnFreedMemory();
        }
    });
}

}  // namespace tundle
