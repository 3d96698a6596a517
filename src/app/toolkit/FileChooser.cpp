#include "toolkit/FileChooser.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tundle {

void FileChooser::openFile(QWidget* parent, const FileRequest& request, Completion done) {
    run(Kind::openFile, parent, request, std::move(done));
}

void FileChooser::openFolder(QWidget* parent, const FileRequest& request, Completion done) {
    run(Kind::openFolder, parent, request, std::move(done));
}

void FileChooser::save(QWidget* parent, const FileRequest& request, Completion done) {
    run(Kind::save, parent, request, std::move(done));
}

void FileChooser::run(Kind kind, QWidget* parent, FileRequest request, Completion done) {
    // A dialog given no folder opens where the last one of the process was, whatever it was for.
    request.startFolder = startFolder(request.purpose);
    present(kind, parent, request,
            [this, purpose = request.purpose, done = std::move(done)](std::optional<QString> path) {
                if (path) {
                    lastFolders_[purpose] = QFileInfo(*path).absolutePath();
                }
                done(std::move(path));
            });
}

QString FileChooser::startFolder(FilePurpose purpose) const {
    if (const auto last = lastFolders_.find(purpose); last != lastFolders_.end()) {
        return last->second;
    }
    switch (purpose) {
        case FilePurpose::application:
            return applicationFolder;
        case FilePurpose::exportDocument: {
            const QString documents =
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
                return documents;
            }
            break;
        }
        case FilePurpose::file:
        case FilePurpose::folder:
        case FilePurpose::importDocument:
            break;
    }
    return QDir::homePath();
}

}  // namespace tundle
