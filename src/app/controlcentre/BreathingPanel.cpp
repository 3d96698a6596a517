#include "controlcentre/BreathingPanel.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "controlcentre/BreathingView.h"

namespace tundle {

BreathingPanel::BreathingPanel(QWidget* parent)
    : ReleasingWindow(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint,
                      releaseDelay) {
    setWindowTitle(QStringLiteral("糯墩 · 呼吸练习"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::StrongFocus);
}

void BreathingPanel::setView(BreathingView* view) {
    dropView();
    view_ = view;
    view_->setParent(this);
    view_->move(0, 0);
    view_->show();
    setFixedSize(view_->size());
}

void BreathingPanel::dropView() {
    if (view_) {
        view_->hide();
        view_->deleteLater();
        view_ = nullptr;
    }
}

void BreathingPanel::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Escape:
            close();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (view_) {
                view_->pressReturn();
            }
            return;
        case Qt::Key_Space:
            if (view_) {
                view_->pressSpace();
            }
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void BreathingPanel::closeEvent(QCloseEvent* event) {
    event->accept();
    if (isVisible()) {
        emit closing();
    }
}

}  // namespace tundle
