#pragma once

#include <QByteArray>
#include <QSocketNotifier>
#include <memory>
#include <optional>

#include "platform/PointerProbe.h"
#include "platform/X11Connection.h"

namespace tundle {

class X11RawEvents;

// Asks the X server for the pointer, so presses in other applications' windows count too. The
// answer is kept until the pointer moves or a button changes (raw events, read as they come so
// they never pile up, tell it so without a request): a still pointer is not asked about again.
// Without an X connection it can only see the cursor and this application's own buttons.
class X11PointerProbe : public PointerProbe {
public:
    // `display`: where the raw events come from, empty for the default display.
    explicit X11PointerProbe(std::optional<X11Connection> x11, const QByteArray& display = {});
    ~X11PointerProbe() override;

    std::optional<PointerState> query() override;
    bool reportsChanges() const override { return changes_ != nullptr; }
    void refresh() override { changed_ = true; }

private:
    std::optional<PointerState> ask();
    // Reads the reports that arrived; true when there were any.
    bool drain();

    std::optional<X11Connection> x11_;
    std::unique_ptr<X11RawEvents> changes_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool changed_ = true;
    std::optional<PointerState> last_;
};

}  // namespace tundle
