#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <functional>
#include <optional>

namespace tundle {

// Puts a verified archive (gzip-compressed tar of the whole install folder) in place of the
// install folder: unpacked into a sibling folder first, then swapped in by two renames, so the
// running copy is never left half replaced.
class StagedInstall : public QObject {
public:
    // Calls `done` once on this thread: with nothing on success, else with the reason.
    using Done = std::function<void(std::optional<QString> failure)>;

    // Whether the folder and the folder holding it can both be written.
    static bool isWritableLocation(const QString& location);

    static void run(const QString& archive, const QString& location, Done done);

private:
    StagedInstall(QString location, Done done);

    void unpacked(int exitCode, QProcess::ExitStatus status);
    void finish(std::optional<QString> failure);

    QString location_;
    QString staged_;
    Done done_;
    QProcess tar_;
};

}  // namespace tundle
