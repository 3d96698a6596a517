#pragma once

#include <QAbstractButton>
#include <QRectF>

namespace tundle {

// The buttons of the breathing panel, drawn in the panel's 720 by 740 design space and scaled
// with it: the filled or outlined capsule, the duration chip and the round close button. They
// never take the keyboard focus; the panel handles its keys itself.
class BreathButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Look { filled, outlined, chip, close };

    BreathButton(Look look, const QString& text, QWidget* parent = nullptr);

    Look look() const { return look_; }
    // The chip of the chosen length.
    void setSelected(bool selected);
    bool selected() const { return selected_; }
    // The button's size in design units.
    QSizeF designSize() const;
    // Places the button at `rect` of the design space, shown at `scale`.
    void place(const QRectF& rect, double scale);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    Look look_;
    bool selected_ = false;
    double scale_ = 1;
};

}  // namespace tundle
