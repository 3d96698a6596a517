#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace tundle {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) into a call on the
// main thread, so the application can quit through its normal shutdown. One instance at a
// time; the previous handlers come back when it is destroyed.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void drain();

    std::function<void()> onSignal_;
    int readEnd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tundle
