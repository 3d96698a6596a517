#include "platform/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tundle {

namespace {

const QByteArray reopenRequest = QByteArrayLiteral("reopen\n");
constexpr int waitMilliseconds = 1000;

}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

QString SingleInstance::defaultSocketPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("pet-tundle.socket"));
}

bool SingleInstance::claim() {
    QLocalSocket running;
    running.connectToServer(socketPath_);
    if (running.waitForConnected(waitMilliseconds)) {
        running.write(reopenRequest);
        running.waitForBytesWritten(waitMilliseconds);
        running.disconnectFromServer();
        return false;
    }
    // Nobody answers: what lies there is left from a copy that did not end cleanly. Should the
    // socket still not open, this copy runs on without the guard rather than not at all.
    QLocalServer::removeServer(socketPath_);
    server_.listen(socketPath_);
    return true;
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine(reopenRequest.size() + 1) == reopenRequest) {
                    emit reopenRequested();
                }
            }
            // Only short requests exist; a caller that keeps talking is cut off.
            if (socket->bytesAvailable() > reopenRequest.size()) {
                socket->abort();
            }
        });
    }
}

}  // namespace tundle
