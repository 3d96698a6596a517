#pragma once

#include <vector>

#include "editors/ShortcutDraft.h"
#include "toolkit/Sheet.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace tundle {

class AppModel;
class BubblePreview;
class ColorSwatch;
class ErrorLine;
class FileChooser;
class SegmentedControl;
class ShortcutService;
class Switch;
class MiddleElidedText;

// The sheet that adds a shortcut or edits one: kind, target, name, group, bubble colour and
// pin, with a preview of the bubble. It works on its own copy; only a successful "保存"
// reaches the service, and then the sheet closes.
class ShortcutEditor : public Sheet {
    Q_OBJECT

public:
    // `model`, `service` and `chooser` must outlive the sheet.
    ShortcutEditor(AppModel& model, ShortcutService& service, FileChooser& chooser,
                   ShortcutItem item, QWidget* parent = nullptr);

    const ShortcutDraft& draft() const { return draft_; }
    bool existing() const { return existing_; }
    bool trying() const { return trying_; }

    QLabel* title() const { return title_; }
    SegmentedControl* kindPicker() const { return kinds_; }
    QLineEdit* addressField() const { return address_; }
    QLabel* addressHint() const { return addressHint_; }
    MiddleElidedText* targetText() const { return targetText_; }
    QAbstractButton* chooseButton() const { return choose_; }
    QLineEdit* nameField() const { return name_; }
    QComboBox* groupPicker() const { return group_; }
    const std::vector<ColorSwatch*>& swatches() const { return swatches_; }
    QLabel* colorTitle() const { return colorTitle_; }
    Switch* pinSwitch() const { return pin_; }
    QLabel* pinNotice() const { return pinNotice_; }
    BubblePreview* preview() const { return preview_; }
    ErrorLine* errorLine() const { return error_; }
    QAbstractButton* tryButton() const { return try_; }
    QAbstractButton* cancelButton() const { return cancel_; }
    QAbstractButton* saveButton() const { return save_; }

    // Runs the chooser for the kind shown and takes what is chosen.
    void chooseTarget();

private:
    QWidget* buildTarget();
    QWidget* buildColors();
    void tryOpen();
    void save();
    void present();
    void presentGroups();

    AppModel& model_;
    ShortcutService& service_;
    FileChooser& chooser_;
    ShortcutDraft draft_;
    bool existing_;
    bool trying_ = false;
    QLabel* title_;
    SegmentedControl* kinds_;
    QWidget* website_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLabel* addressHint_ = nullptr;
    QWidget* local_ = nullptr;
    MiddleElidedText* targetText_ = nullptr;
    QAbstractButton* choose_ = nullptr;
    QLineEdit* name_;
    QComboBox* group_;
    std::vector<ColorSwatch*> swatches_;
    QLabel* colorTitle_ = nullptr;
    Switch* pin_;
    QLabel* pinNotice_;
    BubblePreview* preview_;
    ErrorLine* error_;
    QAbstractButton* try_;
    QAbstractButton* cancel_;
    QAbstractButton* save_;
};

}  // namespace tundle
