#pragma once

#include <QAbstractButton>

#include "records/ShortcutColor.h"

namespace tundle {

// One bubble colour to pick: a filled circle, with a white check mark on the shown colour.
class ColorSwatch : public QAbstractButton {
    Q_OBJECT

public:
    explicit ColorSwatch(ShortcutColor color, QWidget* parent = nullptr);

    ShortcutColor color() const { return color_; }
    bool marked() const { return marked_; }
    void setMarked(bool marked);

    QSize sizeHint() const override { return {23, 23}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ShortcutColor color_;
    bool marked_ = false;
};

}  // namespace tundle
