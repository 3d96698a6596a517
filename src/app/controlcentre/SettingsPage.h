#pragma once

#include <QWidget>

class QAbstractButton;
class QSlider;
class QVBoxLayout;

namespace tundle {

class AppModel;
class Switch;
class TextBlock;

// The general settings: the pet's size, the desktop farm, reduced motion and sound, the
// configuration section, file feeding, the version with both update checks, and the ways back
// to the pet and to the Trash. Settings are saved when the user changes them here, never when
// the model changes them (an import with the page open writes nothing more).
class SettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit SettingsPage(AppModel& model, QWidget* parent = nullptr);

    // "版本 " and the version the application was built as, or "开发版" for a build without one.
    static QString versionText(const QString& shortVersion);

    // The place of the configuration backup, share and import section; an empty widget until a
    // section is put into it. The page takes `section` over and drops the one it held.
    QWidget* configurationSection() const { return configurationSection_; }
    void setConfigurationSection(QWidget* section);

private:
    QWidget* settingsCard();
    QWidget* versionCard();
    void syncPreferences();
    void syncUpdates();
    void scaleMoved(int position);

    AppModel& model_;
    TextBlock* scaleText_;
    QSlider* scale_;
    Switch* reduceMotion_;
    Switch* sound_;
    TextBlock* packError_;
    QVBoxLayout* body_;
    QWidget* configurationSection_;
    TextBlock* appStatus_;
    QAbstractButton* appCheck_;
    TextBlock* contentStatus_;
    QAbstractButton* contentCheck_;
};

}  // namespace tundle
