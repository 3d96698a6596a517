#pragma once

#include <QAbstractButton>

namespace tundle {

class Popover;

// The small "i" button after a setting's label: a click opens a popover with a title and an
// explanatory paragraph, the next click closes it. The whole 24-point square takes the click.
class SettingsHelp : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int side = 24;
    static constexpr int popoverWidth = 300;

    SettingsHelp(const QString& title, const QString& message, QWidget* parent = nullptr);

    bool presented() const { return presented_; }
    // The popover, made on first opening; null before.
    Popover* popover() const { return popover_; }
    // The popover's content laid out at its width, for pictures of it.
    Popover& preparedPopover();

    QSize sizeHint() const override { return {side, side}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void presentedChanged(bool presented);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    void toggle();
    void setPresented(bool presented);

    QString title_;
    QString message_;
    bool presented_ = false;
    Popover* popover_ = nullptr;
};

}  // namespace tundle
