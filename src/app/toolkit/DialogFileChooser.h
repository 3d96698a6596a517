#pragma once

#include "toolkit/FileChooser.h"

class QFileDialog;

namespace tundle {

// The desktop's file dialog, one instance per request (the static helpers cannot set a
// default suffix), opened with open() and deleted when it closes.
class DialogFileChooser : public FileChooser {
public:
    // The dialog a request makes, set up but not shown.
    static QFileDialog* makeDialog(QWidget* parent, const FileRequest& request, Kind kind);

protected:
    void present(Kind kind, QWidget* parent, const FileRequest& request, Completion done) override;
};

}  // namespace tundle
