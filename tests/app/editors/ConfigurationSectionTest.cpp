#include "editors/ConfigurationSection.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "config/ConfigurationCoding.h"
#include "controlcentre/SettingsPage.h"
#include "editors/ConfigurationPreview.h"
#include "support/ModelTestWorld.h"
#include "support/ScriptedFileChooser.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

using Kind = test::ScriptedFileChooser::Kind;

const QString changedDuringPreview = QStringLiteral("预览期间配置已变化，请重新选择文件并预览。");

// The section in a shown window, with a chooser the test answers.
struct SectionWorld {
    explicit SectionWorld(std::unique_ptr<AppModel> made = nullptr)
        : model(made ? std::move(made) : world.model()) {
        window.resize(720, 500);
        section = new ConfigurationSection(*model, chooser, &window);
        section->resize(680, section->heightForWidth(680));
        window.show();
    }

    ConfigurationStore& store() { return model->configuration(); }

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        test::writeAll(path, bytes);
        return path;
    }

    void chooseToImport(const QString& path) {
        section->importButton()->click();
        ASSERT_TRUE(chooser.isWaiting());
        EXPECT_EQ(chooser.waiting().kind, Kind::openFile);
        chooser.choose(path);
    }

    // The message of the failure alert, closing it; empty when none is up.
    QString takeFailure() {
        QMessageBox* box = section->failureAlert();
        if (!box || !box->isVisible()) {
            return {};
        }
        const QString message = box->informativeText();
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click()
                                     : box->buttons().front()->click();
        return message;
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model;
    test::ScriptedFileChooser chooser;
    QTemporaryDir folder;
    QWidget window;
    ConfigurationSection* section;
};

QByteArray sharedPreferences(double petScale) {
    UserConfiguration source;
    source.preferences.petScale = petScale;
    return ConfigurationPackage(PortableConfiguration::fromSnapshot(source, true, false, false))
        .encoded();
}

bool previewShown(const ConfigurationSection& section) {
    return section.preview() && section.preview()->isVisible();
}

TEST(ConfigurationSection, ImportConfirmedAfterTheConfigurationChangedIsRefused) {
    SectionWorld world;
    world.chooseToImport(world.writeFile(QStringLiteral("share.json"), sharedPreferences(1.3)));
    ASSERT_TRUE(previewShown(*world.section));
    EXPECT_FALSE(world.section->pending()->exporting);
    EXPECT_EQ(world.section->preview()->confirmButton()->text(), QStringLiteral("确认导入"));

    world.store().update([](UserConfiguration& value) { value.preferences.waterMinutes = 20; });
    const UserConfiguration changed = world.store().value();
    world.section->preview()->confirmButton()->click();

    EXPECT_FALSE(world.section->pending());
    EXPECT_FALSE(previewShown(*world.section));
    EXPECT_EQ(world.takeFailure(), changedDuringPreview);
    EXPECT_EQ(world.store().value(), changed);
    EXPECT_EQ(world.model->configurationMessage(), std::nullopt);
}

TEST(ConfigurationSection, ExportWritesThePackageBuiltWhenThePreviewOpened) {
    SectionWorld world;
    world.store().update([](UserConfiguration& value) { value.preferences.petScale = 0.8; });
    const UserConfiguration previewed = world.store().value();
    world.section->backupButton()->click();
    ASSERT_TRUE(previewShown(*world.section));
    EXPECT_EQ(world.section->preview()->confirmButton()->text(), QStringLiteral("选择保存位置…"));
    EXPECT_FALSE(world.chooser.isWaiting()) << "nothing is written before the preview";

    world.store().update([](UserConfiguration& value) { value.preferences.petScale = 1.2; });
    world.section->preview()->confirmButton()->click();

    // The sheet is gone before the save panel asks for a place.
    ASSERT_TRUE(world.chooser.isWaiting());
    EXPECT_FALSE(previewShown(*world.section));
    const test::ScriptedFileChooser::Request& request = world.chooser.waiting();
    EXPECT_EQ(request.kind, Kind::save);
    EXPECT_EQ(request.request.proposedName, QStringLiteral("糯墩个人备份.json"));
    EXPECT_EQ(request.request.defaultSuffix, QStringLiteral("json"));
    EXPECT_EQ(request.request.filters,
              (std::vector<FileFilter>{{QStringLiteral("JSON 文件"), {QStringLiteral("*.json")}}}));
    const QString path = world.folder.filePath(QStringLiteral("备份.json"));
    world.chooser.choose(path);

    const ConfigurationPackage written = ConfigurationPackage::decode(test::readAll(path));
    ASSERT_TRUE(written.backup);
    EXPECT_EQ(*written.backup, previewed);
    EXPECT_EQ(world.section->messageLine()->text(), QStringLiteral("配置文件已导出。"));
    EXPECT_TRUE(world.takeFailure().isEmpty());
}

TEST(ConfigurationSection, CancelledChoosersDoNothing) {
    SectionWorld world;
    const UserConfiguration before = world.store().value();
    world.section->importButton()->click();
    world.chooser.cancel();
    EXPECT_FALSE(world.section->pending());
    EXPECT_FALSE(world.section->preview());

    world.section->shareButton()->click();
    ASSERT_TRUE(previewShown(*world.section));
    world.section->preview()->confirmButton()->click();
    ASSERT_TRUE(world.chooser.isWaiting());
    EXPECT_EQ(world.chooser.waiting().request.proposedName, QStringLiteral("糯墩分享配置.json"));
    world.chooser.cancel();

    EXPECT_TRUE(world.takeFailure().isEmpty());
    EXPECT_FALSE(world.section->messageLine()->isVisibleTo(&world.window));
    EXPECT_EQ(world.model->configurationMessage(), std::nullopt);
    EXPECT_EQ(world.store().value(), before);
    EXPECT_TRUE(QDir(world.folder.path()).isEmpty());

    world.section->backupButton()->click();
    world.section->preview()->cancelButton()->click();
    EXPECT_FALSE(world.section->pending());
    EXPECT_FALSE(world.chooser.isWaiting());
}

TEST(ConfigurationSection, RefusedFilesOpenNoPreviewAndChangeNothing) {
    SectionWorld world;
    const UserConfiguration before = world.store().value();

    UserConfiguration crowded;
    for (int i = 0; i < 201; ++i) {
        crowded.groups.push_back(ShortcutGroup{.name = QStringLiteral("组 %1").arg(i)});
    }
    // Only the merge breaks the limit: the file alone is within it.
    crowded.groups.pop_back();
    world.store().update([](UserConfiguration& value) {
        value.groups.push_back(ShortcutGroup{.name = QStringLiteral("本机")});
    });
    const UserConfiguration current = world.store().value();
    const QByteArray merged =
        ConfigurationPackage(PortableConfiguration::fromSnapshot(crowded, false, false, true))
            .encoded();
    const struct {
        QByteArray bytes;
        QString message;
    } cases[] = {
        {merged, QStringLiteral("快捷方式数量、标识或置顶数量无效。")},
        {QByteArray(8388609, ' '), QStringLiteral("配置文件超过 8 MB。")},
        {R"({"format": "something.else", "version": 1})",
         QStringLiteral("不支持的配置文件格式或版本。")},
    };
    for (const auto& c : cases) {
        world.chooseToImport(world.writeFile(QStringLiteral("file.json"), c.bytes));
        EXPECT_FALSE(world.section->pending());
        EXPECT_FALSE(previewShown(*world.section));
        EXPECT_EQ(world.takeFailure(), c.message);
        EXPECT_EQ(world.store().value(), current);
    }
    EXPECT_NE(before, current);
}

TEST(ConfigurationSection, MessageLineShowsTheStoreErrorFirstThenTheLastResult) {
    SectionWorld world;
    EXPECT_FALSE(world.section->messageLine()->isVisibleTo(&world.window));

    world.chooseToImport(world.writeFile(QStringLiteral("share.json"), sharedPreferences(1.3)));
    world.section->preview()->confirmButton()->click();
    EXPECT_EQ(world.store().value().preferences.petScale, 1.3);
    EXPECT_EQ(world.section->messageLine()->text(),
              QStringLiteral("配置已应用；可恢复导入前配置。"));
    EXPECT_TRUE(world.section->messageLine()->isVisibleTo(&world.window));

    world.section->shareButton()->click();
    world.section->preview()->confirmButton()->click();
    world.chooser.choose(world.folder.filePath(QStringLiteral("分享.json")));
    EXPECT_EQ(world.section->messageLine()->text(), QStringLiteral("配置文件已导出。"));

    test::ModelTestWorld broken;
    broken.defaults.setValue(QStringLiteral("workPlan.v2"), QByteArray("[]"));
    SectionWorld unwritable(broken.model());
    ASSERT_FALSE(unwritable.store().isWritable());
    unwritable.model->setConfigurationMessage(QStringLiteral("配置文件已导出。"));
    EXPECT_EQ(unwritable.section->messageLine()->text(), *unwritable.store().error());
    EXPECT_TRUE(unwritable.section->messageLine()->isVisibleTo(&unwritable.window));
    for (QAbstractButton* button :
         {unwritable.section->backupButton(), unwritable.section->importButton(),
          unwritable.section->restoreButton(), unwritable.section->shareButton()}) {
        EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    }
    for (QCheckBox* box :
         {unwritable.section->sharePreferences(), unwritable.section->shareSchedule(),
          unwritable.section->shareShortcuts()}) {
        EXPECT_TRUE(box->isEnabled());
    }
}

TEST(ConfigurationSection, ShareButtonNeedsOneTickedSection) {
    SectionWorld world;
    ConfigurationSection& section = *world.section;
    EXPECT_TRUE(section.sharePreferences()->isChecked());
    EXPECT_FALSE(section.shareSchedule()->isChecked());
    EXPECT_FALSE(section.shareShortcuts()->isChecked());
    EXPECT_TRUE(section.shareButton()->isEnabled());
    section.sharePreferences()->click();
    EXPECT_FALSE(section.shareButton()->isEnabled());
    section.shareSchedule()->click();
    EXPECT_TRUE(section.shareButton()->isEnabled());

    section.shareButton()->click();
    const ConfigurationPackage& shared = section.pending()->package;
    ASSERT_TRUE(shared.portable);
    EXPECT_FALSE(shared.portable->preferences);
    EXPECT_EQ(shared.portable->schedule, world.store().value().schedule);
    EXPECT_FALSE(shared.portable->shortcuts);
}

TEST(ConfigurationSection, RestoreAsksFirstAndRefusesWithoutAnEarlierImport) {
    SectionWorld world;
    const UserConfiguration original = world.store().value();
    world.section->restoreButton()->click();
    QMessageBox* confirmation = world.section->restoreConfirmation();
    ASSERT_TRUE(confirmation);
    EXPECT_EQ(confirmation->text(), QStringLiteral("恢复导入前配置？"));
    EXPECT_EQ(confirmation->informativeText(),
              QStringLiteral("当前配置将替换为最近一次导入前的备份，包括之后所做的修改。"));
    QTest::keyClick(confirmation, Qt::Key_Escape);
    EXPECT_TRUE(world.takeFailure().isEmpty());
    EXPECT_EQ(world.store().value(), original);

    world.section->restoreButton()->click();
    world.section->restoreConfirmation()->buttons().back()->click();
    EXPECT_EQ(world.takeFailure(), QStringLiteral("暂无导入前备份。"));

    world.chooseToImport(world.writeFile(QStringLiteral("share.json"), sharedPreferences(1.3)));
    world.section->preview()->confirmButton()->click();
    EXPECT_EQ(world.store().value().preferences.petScale, 1.3);
    world.section->restoreButton()->click();
    QAbstractButton* restore = world.section->restoreConfirmation()->buttons().back();
    EXPECT_EQ(restore->text(), QStringLiteral("恢复"));
    restore->click();
    EXPECT_TRUE(world.takeFailure().isEmpty());
    EXPECT_EQ(world.store().value().preferences, original.preferences);
    EXPECT_EQ(world.section->messageLine()->text(),
              QStringLiteral("配置已应用；可恢复导入前配置。"));
}

TEST(ConfigurationSection, ImportWhileThePetIsBusyIsRefused) {
    SectionWorld world;
    world.chooseToImport(world.writeFile(QStringLiteral("share.json"), sharedPreferences(1.3)));
    world.model->presentBreathing();
    world.section->preview()->confirmButton()->click();
    EXPECT_EQ(world.takeFailure(), QStringLiteral("请先结束当前互动或呼吸练习，再导入配置。"));
    EXPECT_EQ(world.store().value().preferences.petScale, 1.0);
}

TEST(ConfigurationSection, ExportedBackupImportsThroughTheStoredFile) {
    test::TemporaryDataHome home;
    test::StandardMemoryDefaults sourceDefaults;
    test::StandardMemoryDefaults targetDefaults;
    test::ModelTestWorld source;
    test::ModelTestWorld target;
    const auto pack = test::generatedPack(PetAssetPack::h3);

    SectionWorld exporting(std::make_unique<AppModel>(source.world(&sourceDefaults), pack));
    exporting.store().update([](UserConfiguration& value) {
        value.preferences.waterMinutes = 25;
        value.schedule.workPlan =
            WorkPlan{.periods = {WorkPeriod{.start = 540, .end = 1080}}, .weekdays = {2, 3}};
        const ShortcutGroup group{.name = QStringLiteral("常用")};
        value.groups = {group};
        value.shortcuts = {ShortcutItem{.kind = ShortcutKind::website,
                                        .name = QStringLiteral("文档"),
                                        .target = QStringLiteral("https://doc.qt.io/"),
                                        .groupID = group.id}};
    });
    const UserConfiguration exported = exporting.store().value();
    exporting.section->backupButton()->click();
    exporting.section->preview()->confirmButton()->click();
    const QString file = exporting.folder.filePath(QStringLiteral("糯墩个人备份.json"));
    exporting.chooser.choose(file);
    exporting.model.reset();

    SectionWorld importing(std::make_unique<AppModel>(target.world(&targetDefaults), pack));
    ASSERT_TRUE(importing.store().storagePath());
    importing.chooseToImport(file);
    importing.section->preview()->confirmButton()->click();
    EXPECT_TRUE(importing.takeFailure().isEmpty());

    const UserConfiguration stored =
        decodeConfiguration(test::readAll(*importing.store().storagePath()));
    EXPECT_EQ(stored, importing.store().value());
    EXPECT_EQ(stored.preferences, exported.preferences);
    EXPECT_EQ(stored.schedule, exported.schedule);
    EXPECT_EQ(stored.groups, exported.groups);
    EXPECT_EQ(stored.shortcuts, exported.shortcuts);
}

TEST(ConfigurationSection, SitsInTheSettingsPageSlot) {
    test::ModelTestWorld world;
    auto model = world.model();
    test::ScriptedFileChooser chooser;
    SettingsPage page(*model);
    auto* section = new ConfigurationSection(*model, chooser);
    page.setConfigurationSection(section);
    EXPECT_EQ(page.configurationSection(), section);
    EXPECT_EQ(section->parentWidget(), &page);
    page.resize(720, 1600);
    page.show();
    EXPECT_GE(section->height(), section->minimumSizeHint().height());
}

}  // namespace
}  // namespace tundle
