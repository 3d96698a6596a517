#include "toolkit/SubmitField.h"

#include <QKeyEvent>

namespace tundle {

SubmitField::SubmitField(QWidget* parent) : QLineEdit(parent) {}

void SubmitField::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    emit submitted(text());
}

}  // namespace tundle
