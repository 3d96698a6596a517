#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace tundle {

// Keeps one running copy per user. The first copy listens on a socket in the user's runtime
// folder; a later copy finds it there, asks it to reopen and steps aside.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject* parent = nullptr);

    // True when this process is the running copy from now on; false when another copy runs and
    // has been asked to reopen, so this one should exit.
    bool claim();

    static QString defaultSocketPath();

signals:
    // A later copy was started.
    void reopenRequested();

private:
    void accept();

    QString socketPath_;
    QLocalServer server_;
};

}  // namespace tundle
