#pragma once

#include <xcb/xcb.h>

#include <QObject>
#include <memory>

#include "GlobalMouseMonitor.h"

class QSocketNotifier;

namespace tundle {

// Listens for XInput2 raw button presses on the root window over a connection of its own, so
// Qt's event handling is left untouched and the presses of every application are seen.
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
    xcb_connection_t* connection_ = nullptr;
    uint8_t inputOpcode_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> onPress_;
};

}  // namespace tundle
