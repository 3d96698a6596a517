#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tundle {

// What an application's .desktop file says about starting it and showing it.
struct DesktopEntry {
    QString program = {};
    QStringList arguments = {};
    // Empty: start where the caller is.
    QString workingDirectory = {};
    // A theme icon name or an absolute picture path; empty when the entry names none.
    QString icon = {};
    // The name a Chinese desktop shows: Name[zh_CN], else Name[zh], else Name; empty when the
    // entry names itself in none of these.
    QString name = {};

    bool operator==(const DesktopEntry&) const = default;

    // The "Desktop Entry" group of the file's text. The command is its Exec line split into
    // words with the field codes removed, since we open no files with it; empty when there is
    // no usable Exec line.
    static DesktopEntry parse(const QByteArray& text);
    // Throws when the file cannot be read or is larger than an entry can be.
    static DesktopEntry read(const QString& path);
    // The words of an Exec value (already unescaped as a string), or nothing when its quoting is
    // broken.
    static std::optional<QStringList> commandWords(const QString& exec);
};

}  // namespace tundle
