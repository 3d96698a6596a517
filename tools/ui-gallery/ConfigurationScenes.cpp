#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTemporaryDir>

#include "GalleryScene.h"
#include "config/ConfigurationPackage.h"
#include "controlcentre/SettingsPage.h"
#include "editors/ConfigurationPreview.h"
#include "editors/ConfigurationSection.h"
#include "support/ScriptedFileChooser.h"
#include "support/TemporaryHome.h"
#include "toolkit/Colors.h"
#include "toolkit/DialogFileChooser.h"
#include "toolkit/LightPalette.h"

namespace tundle::gallery {

namespace {

constexpr int sectionWidth = 652;

// A configuration with something in every section, shortcuts of every kind among them.
UserConfiguration furnished() {
    UserConfiguration configuration;
    configuration.preferences.waterMinutes = 40;
    configuration.preferences.movementEnabled = false;
    configuration.preferences.petScale = 1.15;
    configuration.schedule.workPlan = WorkPlan{
        .periods = {WorkPeriod{.start = 540, .end = 720}, WorkPeriod{.start = 810, .end = 1110}},
        .weekdays = {2, 3, 4, 5, 6},
        .weeklyOverrides = WorkPeriodTable{{QStringLiteral("7"), {}}},
        .dateOverrides = WorkPeriodTable{{QStringLiteral("2026-03-14"),
                                          {WorkPeriod{.start = 1320, .end = 360}}}},
    };
    configuration.schedule.legacyTimes = {OffWorkTime{.hour = 18, .minute = 5, .enabled = false}};
    const ShortcutGroup work{.name = QStringLiteral("工作")};
    const ShortcutGroup home{.name = QStringLiteral("生活")};
    configuration.groups = {work, home};
    configuration.shortcuts = {
        ShortcutItem{.kind = ShortcutKind::application,
                     .name = QStringLiteral("终端"),
                     .target = QStringLiteral("/usr/share/applications/org.gnome.Terminal.desktop"),
                     .groupID = work.id},
        ShortcutItem{.kind = ShortcutKind::folder,
                     .name = QStringLiteral("季度材料"),
                     .target = QStringLiteral("/home/nuodun/文档/2026 第一季度"),
                     .groupID = work.id},
        ShortcutItem{.kind = ShortcutKind::file,
                     .name = QStringLiteral("周报模板"),
                     .target = QStringLiteral("/home/nuodun/文档/周报模板.odt")},
        ShortcutItem{.kind = ShortcutKind::website,
                     .name = QStringLiteral("Qt 文档"),
                     .target = QStringLiteral("https://doc.qt.io/qt-6/qfiledialog.html"),
                     .groupID = home.id},
    };
    return configuration;
}

// The section in a window of the control centre's colours, with a chooser the scene answers.
struct SectionScene {
    explicit SectionScene(std::unique_ptr<AppModel> made = nullptr) {
        if (made) {
            gallery.model = std::move(made);
        }
        LightPalette::apply(window);
        section = new ConfigurationSection(*gallery.model, chooser, &window);
        section->move(34, 30);
        section->resize(sectionWidth, std::max(section->heightForWidth(sectionWidth),
                                               section->sizeHint().height()));
        window.resize(sectionWidth + 68, section->height() + 60);
    }

    QImage draw() { return renderWidget(window, Colors::canvas()); }

    GalleryWorld gallery;
    test::ScriptedFileChooser chooser;
    QWidget window;
    ConfigurationSection* section;
};

QImage drawSection(bool writable) {
    if (writable) {
        SectionScene scene;
        scene.gallery.model->setConfigurationMessage(QStringLiteral("配置文件已导出。"));
        return scene.draw();
    }
    // A world of its own: the gallery's usual model would already have written a valid
    // configuration over the broken older entry.
    test::ModelTestWorld broken;
    broken.defaults.setValue(QStringLiteral("workPlan.v2"), QByteArray("[]"));
    SectionScene scene(broken.model());
    return scene.draw();
}

// The settings page with the section in its place.
QImage drawSettingsPage() {
    GalleryWorld gallery;
    test::ScriptedFileChooser chooser;
    auto* page = new SettingsPage(*gallery.model);
    page->setConfigurationSection(new ConfigurationSection(*gallery.model, chooser));
    QWidget window;
    LightPalette::apply(window);
    page->setParent(&window);
    page->move(34, 30);
    const int width = 720;
    page->resize(width, std::max(page->heightForWidth(width), page->sizeHint().height()));
    window.resize(width + 68, page->height() + 60);
    return renderWidget(window, Colors::canvas());
}

QImage drawPreview(const ConfigurationPackage& package, bool exporting) {
    ConfigurationPreview preview(package, exporting);
    preview.resize(ConfigurationPreview::sheetWidth, ConfigurationPreview::sheetHeight);
    return renderWidget(preview, LightPalette::palette().window().color());
}

QImage drawBox(QMessageBox& box) {
    box.adjustSize();
    return renderWidget(box, LightPalette::palette().window().color());
}

QImage drawFailure() {
    SectionScene scene;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("别的格式.json"));
    test::writeAll(path, R"({"format": "something.else", "version": 1})");
    scene.section->importButton()->click();
    scene.chooser.choose(path);
    return drawBox(*scene.section->failureAlert());
}

QImage drawRestoreConfirmation() {
    SectionScene scene;
    scene.section->restoreButton()->click();
    return drawBox(*scene.section->restoreConfirmation());
}

// The export's save dialog, Qt's own texts in Chinese, over a folder with an earlier backup.
QImage drawSaveDialog() {
    QWidget window;
    QTemporaryDir folder;
    QFile earlier(folder.filePath(QStringLiteral("糯墩个人备份-0915.json")));
    if (earlier.open(QIODevice::WriteOnly)) {
        earlier.write("{}\n");
        earlier.close();
    }
    QFileDialog* dialog = DialogFileChooser::makeDialog(
        &window,
        FileRequest{.caption = QStringLiteral("导出个人备份"),
                    .filters = {{QStringLiteral("JSON 文件"), {QStringLiteral("*.json")}}},
                    .startFolder = folder.path(),
                    .proposedName = ConfigurationSection::backupFileName,
                    .defaultSuffix = QStringLiteral("json")},
        DialogFileChooser::Kind::save);
    dialog->resize(720, 460);
    dialog->show();
    // The folder is read on a thread of its own.
    const auto* model = dialog->findChild<QFileSystemModel*>();
    QElapsedTimer waited;
    waited.start();
    while (model && model->rowCount(model->index(folder.path())) == 0 && waited.elapsed() < 3000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QApplication::processEvents();
    return renderWidget(*dialog, LightPalette::palette().window().color());
}

}  // namespace

void addConfigurationScenes(GalleryScenes& scenes) {
    scenes.push_back({QStringLiteral("configuration-section"), [] { return drawSection(true); }});
    scenes.push_back(
        {QStringLiteral("configuration-section-unwritable"), [] { return drawSection(false); }});
    scenes.push_back({QStringLiteral("configuration-settings-page"), drawSettingsPage});
    scenes.push_back({QStringLiteral("configuration-backup-export-preview"),
                      [] { return drawPreview(ConfigurationPackage(furnished()), true); }});
    scenes.push_back({QStringLiteral("configuration-share-import-preview"), [] {
                          return drawPreview(
                              ConfigurationPackage(PortableConfiguration::fromSnapshot(
                                  furnished(), false, false, true)),
                              false);
                      }});
    scenes.push_back({QStringLiteral("configuration-failure-alert"), drawFailure});
    scenes.push_back(
        {QStringLiteral("configuration-restore-confirmation"), drawRestoreConfirmation});
    scenes.push_back({QStringLiteral("configuration-save-dialog"), drawSaveDialog});
}

}  // namespace tundle::gallery
