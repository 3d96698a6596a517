#include "shell/ControlCenterWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHideEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "drawing/PictureCache.h"
#include "platform/FreedMemory.h"
#include "toolkit/Colors.h"

namespace tundle {

namespace {

const QString controlCenterTitle = QStringLiteral("糯墩 · 桌面小伙伴");
constexpr int releaseDelay = 500;

}  // namespace

ControlCenterWindow::ControlCenterWindow(AppModel& model, ControlCenter::Services services,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window),
      controlCenter_(new ControlCenter(model, std::move(services), this)) {
    setWindowTitle(controlCenterTitle);
    setMinimumSize(940, 660);
    resize(1020, 700);
    QPalette background = palette();
    background.setColor(QPalette::Window, Colors::canvas());
    setPalette(background);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(controlCenter_);

    auto* quit = new QAction(this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::ApplicationShortcut);
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);
    addAction(quit);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void ControlCenterWindow::present() {
    show();
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void ControlCenterWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        controlCenter_->setPaused(isMinimized());
    }
}

void ControlCenterWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        // Once the hide has finished and the closed page is gone; the next show makes a new one.
        QTimer::singleShot(releaseDelay, this, &ControlCenterWindow::releaseNativeWindow);
    }
}

void ControlCenterWindow::releaseNativeWindow() {
    if (isVisible() || !windowHandle()) {
        return;
    }
    // Closing destroys only the platform window; the widget keeps its window object and the
    // backing store with the whole window's buffer. Destroying the widget's native side lets
    // go of both, and that needs a platform window to destroy.
    const QPoint position = pos();
    create();
    destroy();
    move(position);
    // The page's pictures stay in the shared cache for its grace period; the heap is handed back
    // once they are gone too.
    QTimer::singleShot(PictureCache::graceMilliseconds + releaseDelay, this, [this] {
        if (!isVisible()) {
            returnFreedMemory();
        }
    });
}

}  // namespace tundle
