#pragma once

#include <QObject>
#include <QSizeF>

namespace tundle {

// The size the shortcut panel's content lays itself out in; the ring sets it from the room
// left on the screen.
class ShortcutViewport : public QObject {
    Q_OBJECT

public:
    explicit ShortcutViewport(QSizeF size, QObject* parent = nullptr)
        : QObject(parent), size_(size) {}

    QSizeF size() const { return size_; }
    // An equal size is not published again.
    void setSize(QSizeF size) {
        if (size != size_) {
            size_ = size;
            emit sizeChanged(size_);
        }
    }

signals:
    void sizeChanged(QSizeF size);

private:
    QSizeF size_;
};

}  // namespace tundle
