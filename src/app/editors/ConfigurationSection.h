#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QUuid>
#include <optional>

#include "config/ConfigurationPackage.h"
#include "editors/ConfigurationPreview.h"
#include "toolkit/Paper.h"

class QAbstractButton;
class QCheckBox;
class QLabel;

namespace tundle {

class AppModel;
class FileChooser;

// The "配置与备份" card of the settings page: exports the whole configuration as a personal
// backup or chosen sections as a share file, imports either kind, and goes back to the
// configuration as it was before the last import. Every export and import opens the preview
// first; nothing is written or applied before the user confirms there. The card keeps only
// view state: the package checks and the merge belong to the package and the store, applying
// an import or a restore to the running program to the model.
class ConfigurationSection : public Paper {
    Q_OBJECT

public:
    // What the open preview will export or import.
    struct PreviewRequest {
        ConfigurationPackage package;
        bool exporting;
        // The configuration's revision when the preview opened; an import confirmed after it
        // changed is refused.
        QUuid revision;
    };

    static const QString backupFileName;
    static const QString shareFileName;

    ConfigurationSection(AppModel& model, FileChooser& chooser, QWidget* parent = nullptr);

    const std::optional<PreviewRequest>& pending() const { return pending_; }
    ConfigurationPreview* preview() const { return preview_; }
    // The failure alert or the restore confirmation while one is up.
    QMessageBox* failureAlert() const { return failure_; }
    QMessageBox* restoreConfirmation() const { return restoreConfirmation_; }

    QLabel* messageLine() const { return message_; }
    QAbstractButton* backupButton() const { return backup_; }
    QAbstractButton* importButton() const { return import_; }
    QAbstractButton* restoreButton() const { return restore_; }
    QCheckBox* sharePreferences() const { return sharePreferences_; }
    QCheckBox* shareSchedule() const { return shareSchedule_; }
    QCheckBox* shareShortcuts() const { return shareShortcuts_; }
    QAbstractButton* shareButton() const { return share_; }

private:
    void exportBackup();
    void exportShare();
    void chooseImport();
    // Checks the package (an import also by a dry run of the merge) and opens the preview.
    void prepare(ConfigurationPackage package, bool exporting);
    // The preview's confirm: the sheet closes first, whatever follows.
    void finish();
    void cancelPreview();
    void closePreview();
    void save(const ConfigurationPackage& package);
    void askToRestore();
    void restoreBeforeImport();
    void fail(const QString& message);
    void sync();

    AppModel& model_;
    FileChooser& chooser_;
    QLabel* message_;
    QAbstractButton* backup_;
    QAbstractButton* import_;
    QAbstractButton* restore_;
    QCheckBox* sharePreferences_;
    QCheckBox* shareSchedule_;
    QCheckBox* shareShortcuts_;
    QAbstractButton* share_;
    std::optional<PreviewRequest> pending_;
    QPointer<ConfigurationPreview> preview_;
    QPointer<QMessageBox> failure_;
    QPointer<QMessageBox> restoreConfirmation_;
};

}  // namespace tundle
