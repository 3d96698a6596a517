#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QTimer;
class QWidget;
class QWindow;

namespace tundle {

// Whether a view can be seen: shown (not another page, not closed), its window exposed and
// not minimised. Qt cannot tell a covered window, so that counts as seen. The repeating timers
// of a view run through it, so none ticks for a picture nobody can see.
class VisibilityGate : public QObject {
    Q_OBJECT

public:
    explicit VisibilityGate(QWidget& view);

    bool isOpen() const { return open_; }
    // Runs `timer` while the gate is open and `wanted` (when given) answers true. Call
    // `refresh()` when what `wanted` reads has changed.
    void drive(QTimer& timer, std::function<bool()> wanted = {});
    void refresh();

signals:
    void openChanged(bool open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Driven {
        QPointer<QTimer> timer;
        std::function<bool()> wanted;
    };

    void watchWindow();
    bool computeOpen() const;

    QWidget& view_;
    QPointer<QWidget> window_;
    QPointer<QWindow> handle_;
    bool open_ = false;
    std::vector<Driven> driven_;
};

}  // namespace tundle
