#pragma once

#include <QObject>
#include <functional>

class QWindow;

namespace tundle {

// A press or key stroke addressed to one of this application's windows.
struct LocalEvent {
    enum class Kind { mouseDown, keyDown };

    Kind kind = Kind::mouseDown;
    bool escape = false;        // a key-down of the Escape key
    QWindow* window = nullptr;  // the window it is addressed to
};

// Watches left and right presses and key strokes in this application without ever taking one:
// every event goes on to its receiver unchanged.
class LocalEventMonitor : public QObject {
    Q_OBJECT

public:
    // Installs itself on the application at once; removed when destroyed.
    explicit LocalEventMonitor(std::function<void(const LocalEvent&)> handler,
                               QObject* parent = nullptr);
    ~LocalEventMonitor() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const LocalEvent&)> handler_;
};

}  // namespace tundle
