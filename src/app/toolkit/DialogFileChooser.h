#pragma once

#include "toolkit/FileChooser.h"

class QFileDialog;

namespace tundle {

// The desktop's file dialog, one instance per request (the static helpers cannot set a
// default suffix), opened with open() and deleted when it closes.
class DialogFileChooser : public FileChooser {
public:
    enum class Kind { openFile, openFolder, save };

    void openFile(QWidget* parent, const FileRequest& request, Completion done) override;
    void openFolder(QWidget* parent, const FileRequest& request, Completion done) override;
    void save(QWidget* parent, const FileRequest& request, Completion done) override;

    // The dialog a request makes, set up but not shown.
    static QFileDialog* makeDialog(QWidget* parent, const FileRequest& request, Kind kind);

private:
    static void run(QFileDialog* dialog, Completion done);
};

}  // namespace tundle
