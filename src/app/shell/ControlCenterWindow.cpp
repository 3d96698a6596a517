#include "shell/ControlCenterWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace tundle {

namespace {

const QString controlCenterTitle = QStringLiteral("糯墩 · 桌面小伙伴");

}  // namespace

ControlCenterWindow::ControlCenterWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), layout_(new QVBoxLayout(this)) {
    setWindowTitle(controlCenterTitle);
    setMinimumSize(940, 660);
    resize(1020, 700);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor::fromRgbF(0.985f, 0.975f, 0.958f));
    setPalette(background);
    setAutoFillBackground(true);
    layout_->setContentsMargins(0, 0, 0, 0);

    auto* heading = new QLabel(controlCenterTitle);
    heading->setAlignment(Qt::AlignCenter);
    setPage(heading);

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

void ControlCenterWindow::setPage(QWidget* page) {
    delete page_;
    page_ = page;
    layout_->addWidget(page_);
}

void ControlCenterWindow::present() {
    show();
    raise();
    activateWindow();
}

}  // namespace tundle
