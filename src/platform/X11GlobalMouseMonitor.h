#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

#include "platform/GlobalMouseMonitor.h"

class QSocketNotifier;

namespace tundle {

class X11RawEvents;

// Listens for XInput2 raw button presses over a connection of its own, so Qt's event handling
// is left untouched and the presses of every application are seen.
class X11GlobalMouseMonitor : public QObject, public GlobalMouseMonitor {
    Q_OBJECT

public:
    // `display`: the X display to watch; empty for the one the application runs on.
    explicit X11GlobalMouseMonitor(QByteArray display = {}, QObject* parent = nullptr);
    ~X11GlobalMouseMonitor() override;

    bool start(std::function<void()> onPress) override;
    void stop() override;

private:
    void readEvents();

    QByteArray display_;
    std::unique_ptr<X11RawEvents> events_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> onPress_;
};

}  // namespace tundle
