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
    // Renames a folder; true when it moved.
    using Rename = std::function<bool(const QString& from, const QString& to)>;

    // Whether the folder and the folder holding it can both be written.
    static bool isWritableLocation(const QString& location);

    static void run(const QString& archive, const QString& location, Done done);

    // Puts the unpacked `staged` folder in place of `location`, which is kept aside until the
    // new one is in; nothing on success, else the reason. When the old folder cannot be put back
    // either, the reason says where it was left, so the owner can move it back.
    static std::optional<QString> swapIn(const QString& staged, const QString& location,
                                         const Rename& rename);

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
