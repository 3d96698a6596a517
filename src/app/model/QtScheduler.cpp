#include "model/QtScheduler.h"

#include <QTimer>
#include <chrono>
#include <cmath>

namespace tundle {

namespace {

class TimerOneShot : public OneShot {
public:
    TimerOneShot() {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            // The work may start this slot again, which replaces `work_`.
            const std::function<void()> work = std::move(work_);
            work_ = nullptr;
            if (work) {
                work();
            }
        });
    }

    void start(double seconds, std::function<void()> work) override {
        work_ = std::move(work);
        timer_.start(std::chrono::milliseconds(std::llround(std::max(0.0, seconds) * 1000.0)));
    }

    void cancel() override {
        timer_.stop();
        work_ = nullptr;
    }

private:
    QTimer timer_;
    std::function<void()> work_;
};

}  // namespace

std::unique_ptr<OneShot> QtScheduler::makeOneShot() {
    return std::make_unique<TimerOneShot>();
}

}  // namespace tundle
