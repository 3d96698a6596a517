#include "shell/ControlCenterWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "drawing/PictureCache.h"
#include "toolkit/Colors.h"

namespace tundle {

namespace {

const QString controlCenterTitle = QStringLiteral("糯墩 · 桌面小伙伴");

}  // namespace

ControlCenterWindow::ControlCenterWindow(AppModel& model, ControlCenter::Services services,
                                         QWidget* parent)
    // The closed page's pictures stay in the shared cache for its grace period; the heap is
    // handed back once they are gone too.
    : ReleasingWindow(parent, Qt::Window,
                      std::chrono::milliseconds(PictureCache::graceMilliseconds) + releaseDelay),
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

}  // namespace tundle
