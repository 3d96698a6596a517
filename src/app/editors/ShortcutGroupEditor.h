#pragma once

#include "records/ShortcutItem.h"
#include "toolkit/Sheet.h"

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace tundle {

class ErrorLine;

class ShortcutService;

// The small sheet that names a new shortcut group or renames one. Only "保存" reaches the
// service; a refused name keeps the sheet open with the service's reason.
class ShortcutGroupEditor : public Sheet {
    Q_OBJECT

public:
    // `service` must outlive the sheet.
    ShortcutGroupEditor(ShortcutService& service, ShortcutGroup group, QWidget* parent = nullptr);

    const ShortcutGroup& group() const { return group_; }
    QLabel* title() const { return title_; }
    QLineEdit* nameField() const { return name_; }
    ErrorLine* errorLine() const { return error_; }
    QAbstractButton* cancelButton() const { return cancel_; }
    QAbstractButton* saveButton() const { return save_; }

private:
    void save();
    void present();

    ShortcutService& service_;
    ShortcutGroup group_;
    QLabel* title_;
    QLineEdit* name_;
    ErrorLine* error_;
    QAbstractButton* cancel_;
    QAbstractButton* save_;
};

}  // namespace tundle
