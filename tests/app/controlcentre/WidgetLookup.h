#pragma once

#include <QAbstractButton>
#include <QStringList>
#include <QWidget>

#include "toolkit/TextBlock.h"

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

// The texts of the text blocks that would show.
inline QStringList shownTexts(const QWidget& root) {
    QStringList texts;
    for (const TextBlock* block : root.findChildren<TextBlock*>()) {
        if (showing(block)) {
            texts << block->text();
        }
    }
    return texts;
}

}  // namespace tundle::test
