#pragma once

#include <QPointer>
#include <QWidget>
#include <deque>

#include "toolkit/FileChooser.h"

namespace tundle::test {

// A file chooser whose user is the test: every request is recorded and waits, like the real
// dialog, until the test chooses a path or cancels.
class ScriptedFileChooser : public FileChooser {
public:
    struct Request {
        Kind kind;
        QPointer<QWidget> parent;
        FileRequest request;
        Completion done;
    };

    bool isWaiting() const { return !pending_.empty(); }
    // The oldest request still waiting for an answer.
    const Request& waiting() const { return pending_.front(); }

    // Answers the oldest waiting request as the user would.
    void choose(const QString& path) { answer(path); }
    void cancel() { answer(std::nullopt); }

protected:
    void present(Kind kind, QWidget* parent, const FileRequest& request, Completion done) override {
        pending_.push_back({kind, parent, request, std::move(done)});
    }

private:
    void answer(std::optional<QString> path) {
        Request request = std::move(pending_.front());
        pending_.pop_front();
        request.done(std::move(path));
    }

    std::deque<Request> pending_;
};

}  // namespace tundle::test
