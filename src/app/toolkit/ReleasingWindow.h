#pragma once

#include <QWidget>
#include <chrono>

namespace tundle {

// A top-level window that lets go of what it holds while it waits, closed, to be shown again.
// Qt's close destroys only the platform window: the widget keeps its window object and the
// backing store with the whole window's buffer, megabytes for a large window left closed for
// the day. Half a second after the window is hidden (by the program or by the user's close, not
// by being minimised) its native side is destroyed; `returnHeapAfter` later, if it is still
// hidden, the pictures Qt cached for its controls are dropped and the heap its closed content
// freed is handed back to the system.
class ReleasingWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds releaseDelay{500};

protected:
    ReleasingWindow(QWidget* parent, Qt::WindowFlags flags,
                    std::chrono::milliseconds returnHeapAfter);

    void hideEvent(QHideEvent* event) override;

private:
    void releaseNativeWindow();

    std::chrono::milliseconds returnHeapAfter_;
};

}  // namespace tundle
