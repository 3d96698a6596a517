#pragma once

#include <QAbstractButton>

namespace tundle {

// An on/off switch: a capsule track, accent while on, with a white knob. `clicked(bool)` is the
// user's own change; `setChecked` under a QSignalBlocker follows the model.
class Switch : public QAbstractButton {
    Q_OBJECT

public:
    explicit Switch(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {36, 20}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace tundle
