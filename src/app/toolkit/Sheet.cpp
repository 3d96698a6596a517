#include "toolkit/Sheet.h"

#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

namespace tundle {

Sheet::Sheet(QWidget* parent) : QDialog(parent) {
    setWindowModality(Qt::WindowModal);
}

void Sheet::setDefaultButton(QAbstractButton* button) {
    if (auto* previous = qobject_cast<QPushButton*>(defaultButton_)) {
        previous->setDefault(false);
    }
    defaultButton_ = button;
    if (auto* push = qobject_cast<QPushButton*>(button)) {
        push->setAutoDefault(false);
        push->setDefault(true);
    }
}

void Sheet::setContentWidth(int width) {
    setFixedWidth(width);
    fitsHeight_ = true;
    fitHeight();
}

void Sheet::dismiss() {
    done(QDialog::Rejected);
}

void Sheet::reject() {
    emit cancelRequested();
}

bool Sheet::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    // Rows added while the sheet is up arrive with a layout request.
    if (event->type() == QEvent::LayoutRequest) {
        keepButtonsFromDefaulting();
        fitHeight();
    }
    return handled;
}

void Sheet::keyPressEvent(QKeyEvent* event) {
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!isReturn || !plain) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    if (defaultButton_ && defaultButton_->isVisible() && defaultButton_->isEnabled()) {
        defaultButton_->click();
    }
}

void Sheet::showEvent(QShowEvent* event) {
    keepButtonsFromDefaulting();
    fitHeight();
    QDialog::showEvent(event);
}

void Sheet::keepButtonsFromDefaulting() {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->autoDefault()) {
            button->setAutoDefault(false);
        }
        if (button != defaultButton_ && button->isDefault()) {
            button->setDefault(false);
        }
    }
}

void Sheet::fitHeight() {
    if (!fitsHeight_ || !layout()) {
        return;
    }
    const int fitted = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : layout()->totalSizeHint().height();
    if (fitted > 0 && fitted != height()) {
        setFixedHeight(fitted);
    }
}

}  // namespace tundle
