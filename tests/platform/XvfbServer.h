#pragma once

#include <unistd.h>
#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace tundle::test {

// A private X server on a display of its own, with a connection for the test; not running when
// Xvfb is missing or does not answer within five seconds.
class XvfbServer {
public:
    XvfbServer() : display_(":" + QByteArray::number(200 + ::getpid() % 5000)) {
        const QString program = QStandardPaths::findExecutable("Xvfb");
        if (!program.isEmpty()) {
            server_.start(program, {QString::fromLatin1(display_), "-nolisten", "tcp"});
        }
        QElapsedTimer clock;
        clock.start();
        while (server_.state() != QProcess::NotRunning && clock.elapsed() < 5000) {
            connection_ = xcb_connect(display_.constData(), nullptr);
            if (xcb_connection_has_error(connection_) == 0) {
                return;
            }
            xcb_disconnect(connection_);
            connection_ = nullptr;
            QThread::msleep(20);
        }
    }

    ~XvfbServer() {
        if (connection_ != nullptr) {
            xcb_disconnect(connection_);
        }
        server_.terminate();
        server_.waitForFinished(2000);
    }

    bool running() const { return connection_ != nullptr; }
    const QByteArray& display() const { return display_; }
    xcb_connection_t* connection() const { return connection_; }

private:
    QByteArray display_;
    QProcess server_;
    xcb_connection_t* connection_ = nullptr;
};

}  // namespace tundle::test
