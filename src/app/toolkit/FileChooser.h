#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace tundle {

// One line of a chooser's type menu: "JSON 文件" with {"*.json"}.
struct FileFilter {
    QString name;
    QStringList patterns;

    bool operator==(const FileFilter&) const = default;
};

struct FileRequest {
    QString caption;
    std::vector<FileFilter> filters = {};
    QString startFolder = {};
    QString acceptLabel = {};
    // Save only: the name the field starts with, and the suffix added to a name typed without one.
    QString proposedName = {};
    QString defaultSuffix = {};

    bool operator==(const FileRequest&) const = default;
};

// Every open and save panel goes through this, so tests can script the answers. The chooser
// is modal to the parent's window and never blocks: `done` gets the chosen absolute path later,
// or nothing when the user cancels.
class FileChooser {
public:
    using Completion = std::function<void(std::optional<QString> path)>;

    virtual ~FileChooser() = default;

    virtual void openFile(QWidget* parent, const FileRequest& request, Completion done) = 0;
    virtual void openFolder(QWidget* parent, const FileRequest& request, Completion done) = 0;
    virtual void save(QWidget* parent, const FileRequest& request, Completion done) = 0;
};

}  // namespace tundle
