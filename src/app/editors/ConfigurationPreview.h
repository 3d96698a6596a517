#pragma once

#include "toolkit/Sheet.h"

class QAbstractButton;
class QScrollArea;

namespace tundle {

struct ConfigurationPackage;

// The sheet that shows what a backup or share file holds before it is written or imported.
// It only reads the package: "取消", Escape and the window's close ask through
// cancelRequested(), the confirm button (the one Return presses) through confirmRequested();
// the owner decides what follows and dismisses the sheet.
class ConfigurationPreview : public Sheet {
    Q_OBJECT

public:
    static constexpr int sheetWidth = 560;
    static constexpr int sheetHeight = 480;

    ConfigurationPreview(const ConfigurationPackage& package, bool exporting,
                         QWidget* parent = nullptr);

    QAbstractButton* cancelButton() const { return cancel_; }
    QAbstractButton* confirmButton() const { return confirm_; }
    QScrollArea* contentArea() const { return content_; }

signals:
    void confirmRequested();

private:
    QWidget* buildContent(const ConfigurationPackage& package);

    QAbstractButton* cancel_;
    QAbstractButton* confirm_;
    QScrollArea* content_;
};

}  // namespace tundle
