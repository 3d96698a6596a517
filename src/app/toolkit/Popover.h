#pragma once

#include <QPointer>
#include <QWidget>

class QVBoxLayout;

namespace tundle {

// A small white bubble window attached to a control, its arrow pointing at the control's
// bottom edge (or its top edge when there is no room below). It closes on a click outside or
// Escape. That click goes on to whatever lies under it (another help button opens at once),
// except on the control that opened it, which would otherwise open it again at once.
class Popover : public QWidget {
    Q_OBJECT

public:
    static constexpr double arrowHeight = 9;
    static constexpr double arrowWidth = 18;
    static constexpr double radius = 10;

    // Where a popover of `size` goes for an anchor (global coordinates) within `screen`:
    // its top-left corner, whether the arrow is on its top edge, and the arrow tip's x in the
    // popover.
    struct Placement {
        QPoint topLeft;
        bool arrowOnTop = true;
        double arrowX = 0;
    };
    static Placement place(const QRect& anchor, QSize size, const QRect& screen);

    explicit Popover(QWidget* parent = nullptr);

    // Where the content goes; the popover's width follows it, the arrow's room is kept.
    QVBoxLayout& content() { return *content_; }
    // Lays the content out for `width` and shows the popover against `anchor`.
    void showFor(QWidget& anchor, int width);
    // Lays the content out for `width` and places the popover against `anchor` (in the
    // coordinates of `area`) without showing it.
    void arrange(const QRect& anchor, const QRect& area, int width);
    // The popover's size for `width`, arrow included.
    QSize sizeFor(int width) const;
    bool arrowOnTop() const { return placement_.arrowOnTop; }

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setArrow(bool onTop);
    // Hands a press that closed the popover to the control under it.
    static void passOn(const QMouseEvent& press);

    QVBoxLayout* content_;
    Placement placement_;
    QPointer<QWidget> anchor_;
};

}  // namespace tundle
