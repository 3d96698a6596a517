#pragma once

#include <QAbstractButton>
#include <QWidget>

namespace tundle::test {

// The visible-or-not child button with this text or accessible name, or null.
inline QAbstractButton* buttonNamed(const QWidget& root, const QString& name) {
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        if (button->text() == name || button->accessibleName() == name) {
            return button;
        }
    }
    return nullptr;
}

// The child of type T with this accessible name, or null.
template <typename T>
T* namedChild(const QWidget& root, const QString& name) {
    for (T* child : root.findChildren<T*>()) {
        if (child->accessibleName() == name) {
            return child;
        }
    }
    return nullptr;
}

// Whether a widget would show when its window shows.
inline bool showing(const QWidget* widget) {
    return widget && widget->isVisibleTo(widget->window());
}

}  // namespace tundle::test
