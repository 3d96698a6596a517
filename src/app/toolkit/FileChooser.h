#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
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

// What a chooser is for. Each purpose opens in a folder of its own: the last folder the user
// chose for it while the program runs, else the place that fits it.
enum class FilePurpose { application, file, folder, importDocument, exportDocument };

struct FileRequest {
    QString caption;
    FilePurpose purpose = FilePurpose::file;
    std::vector<FileFilter> filters = {};
    // Where the dialog opens; the chooser sets it from the purpose.
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
    enum class Kind { openFile, openFolder, save };
    using Completion = std::function<void(std::optional<QString> path)>;

    // Applications are chosen among the desktop's entries.
    static inline const QString applicationFolder = QStringLiteral("/usr/share/applications");

    virtual ~FileChooser() = default;

    void openFile(QWidget* parent, const FileRequest& request, Completion done);
    void openFolder(QWidget* parent, const FileRequest& request, Completion done);
    void save(QWidget* parent, const FileRequest& request, Completion done);

protected:
    // Shows the dialog for `request`, which carries its start folder.
    virtual void present(Kind kind, QWidget* parent, const FileRequest& request,
                         Completion done) = 0;

private:
    void run(Kind kind, QWidget* parent, FileRequest request, Completion done);
    QString startFolder(FilePurpose purpose) const;

    std::map<FilePurpose, QString> lastFolders_;
};

}  // namespace tundle
