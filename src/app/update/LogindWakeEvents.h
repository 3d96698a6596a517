#pragma once

#include <QObject>
#include <functional>

#include "update/WakeEvents.h"

namespace tundle {

// Wake from logind's PrepareForSleep signal on the system bus (its argument false means the
// system is back), and the application turning active. Without a system bus only the latter
// is heard.
class LogindWakeEvents : public QObject, public WakeEvents {
    Q_OBJECT

public:
    explicit LogindWakeEvents(QObject* parent = nullptr);

    void setOnWake(std::function<void()> woke) override { woke_ = std::move(woke); }

private slots:
    void prepareForSleep(bool sleeping);

private:
    void wake();

    std::function<void()> woke_;
};

}  // namespace tundle
