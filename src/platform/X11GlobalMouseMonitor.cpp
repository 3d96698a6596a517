#include "platform/X11GlobalMouseMonitor.h"

#include <xcb/xinput.h>

#include <QGuiApplication>
#include <QSocketNotifier>

#include "platform/X11RawEvents.h"

namespace tundle {

namespace {

constexpr uint32_t leftButton = 1;
constexpr uint32_t rightButton = 3;

}  // namespace

X11GlobalMouseMonitor::X11GlobalMouseMonitor(QByteArray display, QObject* parent)
    : QObject(parent), display_(std::move(display)) {}

X11GlobalMouseMonitor::~X11GlobalMouseMonitor() {
    stop();
}

bool X11GlobalMouseMonitor::start(std::function<void()> onPress) {
    stop();
    if (display_.isEmpty() && QGuiApplication::platformName() != QLatin1String("xcb")) {
        return false;
    }
    events_ = X11RawEvents::open(display_, XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS);
    if (events_ == nullptr) {
        return false;
    }
    onPress_ = std::move(onPress);
    notifier_ = std::make_unique<QSocketNotifier>(events_->fileDescriptor(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &X11GlobalMouseMonitor::readEvents);
    return true;
}

void X11GlobalMouseMonitor::stop() {
    notifier_.reset();
    events_.reset();
    onPress_ = nullptr;
}

void X11GlobalMouseMonitor::readEvents() {
    int presses = 0;
    events_->drain([&presses](uint16_t type, uint32_t button) {
        if (type == XCB_INPUT_RAW_BUTTON_PRESS && (button == leftButton || button == rightButton)) {
            ++presses;
        }
    });
    // The callback may stop this monitor; it runs once the queue has been read.
    for (int i = 0; i < presses && onPress_; ++i) {
        onPress_();
    }
}

}  // namespace tundle
