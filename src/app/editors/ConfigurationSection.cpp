#include "editors/ConfigurationSection.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include "config/ConfigurationCoding.h"
#include "editors/ConfigurationPreview.h"
#include "model/AppModel.h"
#include "support/ConfigurationError.h"
#include "support/FileIO.h"
#include "toolkit/Alert.h"
#include "toolkit/Colors.h"
#include "toolkit/Divider.h"
#include "toolkit/FileChooser.h"
#include "toolkit/PlainLabel.h"
#include "toolkit/SettingsHelp.h"
#include "toolkit/SoftButton.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

const std::vector<FileFilter> jsonOnly = {
    {QStringLiteral("JSON 文件"), {QStringLiteral("*.json")}}};

QHBoxLayout* heading(const QString& title, double points, FontWeight weight, const QString& help) {
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    QLabel* text = plainLabel(title, points, Colors::ink(), nullptr, weight);
    row->addWidget(text);
    row->addWidget(new SettingsHelp(title, help));
    row->addStretch();
    return row;
}

QCheckBox* shareSwitch(const QString& title, bool on) {
    auto* box = new QCheckBox(title);
    box->setFont(Typography::font(TextSize::body));
    box->setChecked(on);
    return box;
}

}  // namespace

const QString ConfigurationSection::backupFileName = QStringLiteral("糯墩个人备份.json");
const QString ConfigurationSection::shareFileName = QStringLiteral("糯墩分享配置.json");

ConfigurationSection::ConfigurationSection(AppModel& model, FileChooser& chooser, QWidget* parent)
    : Paper(20, parent),
      model_(model),
      chooser_(chooser),
      message_(plainLabel({}, TextSize::body, Colors::accent(), nullptr)),
      backup_(new SoftButton(QStringLiteral("导出个人备份"))),
      import_(new SoftButton(QStringLiteral("导入配置…"))),
      restore_(new SoftButton(QStringLiteral("恢复导入前配置"))),
      sharePreferences_(shareSwitch(QStringLiteral("陪伴偏好"), true)),
      shareSchedule_(shareSwitch(QStringLiteral("工作时段"), false)),
      shareShortcuts_(shareSwitch(QStringLiteral("快捷方式"), false)),
      share_(new SoftButton(QStringLiteral("预览并导出分享文件…"))) {
    QVBoxLayout& rows = content();
    rows.setSpacing(14);
    rows.addLayout(
        heading(QStringLiteral("配置与备份"), 14, FontWeight::semibold,
                QStringLiteral("设置保存在本机，软件更新后继续保留。个人备份含本机文件信息，"
                               "请勿公开分享。导入前会预览并备份现有配置，之后可恢复。")));

    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rows.addWidget(message_);

    auto* actions = new QHBoxLayout;
    for (QAbstractButton* button : {backup_, import_, restore_}) {
        actions->addWidget(button);
    }
    actions->addStretch();
    rows.addLayout(actions);
    rows.addWidget(divider());
    rows.addLayout(
        heading(QStringLiteral("分享配置"), 13, FontWeight::medium,
                QStringLiteral(
                    "只导出勾选内容，不含桌宠位置、本机路径或文件书签。快捷方式名称、分组和网址会"
                    "保留，请在预览时检查。导入后，本机快捷方式需重新选择目标；不会自动打开网址或"
                    "文件。")));
    auto* switches = new QHBoxLayout;
    for (QCheckBox* box : {sharePreferences_, shareSchedule_, shareShortcuts_}) {
        switches->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &ConfigurationSection::sync);
    }
    switches->addStretch();
    rows.addLayout(switches);
    auto* shareRow = new QHBoxLayout;
    shareRow->addWidget(share_);
    shareRow->addStretch();
    rows.addLayout(shareRow);

    connect(backup_, &QAbstractButton::clicked, this, &ConfigurationSection::exportBackup);
    connect(import_, &QAbstractButton::clicked, this, &ConfigurationSection::chooseImport);
    connect(restore_, &QAbstractButton::clicked, this, &ConfigurationSection::askToRestore);
    connect(share_, &QAbstractButton::clicked, this, &ConfigurationSection::exportShare);
    ConfigurationStore& configuration = model_.configuration();
    connect(&configuration, &ConfigurationStore::changed, this, &ConfigurationSection::sync);
    connect(&configuration, &ConfigurationStore::errorChanged, this, &ConfigurationSection::sync);
    connect(&model_, &AppModel::configurationMessageChanged, this, &ConfigurationSection::sync);
    sync();
}

void ConfigurationSection::sync() {
    const ConfigurationStore& configuration = model_.configuration();
    // A failure of the store outranks the result of the last operation.
    const std::optional<QString> text =
        configuration.error() ? configuration.error() : model_.configurationMessage();
    message_->setText(text.value_or(QString()));
    message_->setVisible(text.has_value());
    const bool writable = configuration.isWritable();
    for (QAbstractButton* button : {backup_, import_, restore_}) {
        button->setEnabled(writable);
    }
    share_->setEnabled(writable && (sharePreferences_->isChecked() || shareSchedule_->isChecked() ||
                                    shareShortcuts_->isChecked()));
}

void ConfigurationSection::exportBackup() {
    prepare(ConfigurationPackage(model_.configuration().value()), true);
}

void ConfigurationSection::exportShare() {
    prepare(ConfigurationPackage(PortableConfiguration::fromSnapshot(
                model_.configuration().value(), sharePreferences_->isChecked(),
                shareSchedule_->isChecked(), shareShortcuts_->isChecked())),
            true);
}

void ConfigurationSection::chooseImport() {
    const FileRequest request{
        .caption = QStringLiteral("选择糯墩个人备份或分享配置，下一步预览后才会应用。"),
        .purpose = FilePurpose::importDocument,
        .filters = jsonOnly,
    };
    chooser_.openFile(this, request, [self = QPointer(this)](std::optional<QString> path) {
        if (!self || !path) {
            return;
        }
        try {
            self->prepare(ConfigurationPackage::decode(readConfigurationFile(*path)), false);
        } catch (const UserFacingError& error) {
            self->fail(error.message());
        }
    });
}

void ConfigurationSection::prepare(ConfigurationPackage package, bool exporting) {
    const UserConfiguration& current = model_.configuration().value();
    try {
        package.validate();
        if (!exporting) {
            // Only a refusal counts: an import that would give an invalid configuration is
            // refused before its preview opens.
            static_cast<void>(package.applying(current));
        }
    } catch (const UserFacingError& error) {
        fail(error.message());
        return;
    }
    closePreview();
    pending_ = PreviewRequest{std::move(package), exporting, current.revision};
    preview_ = new ConfigurationPreview(pending_->package, exporting, this);
    connect(preview_, &Sheet::cancelRequested, this, &ConfigurationSection::cancelPreview);
    connect(preview_, &ConfigurationPreview::confirmRequested, this, &ConfigurationSection::finish);
    preview_->open();
}

void ConfigurationSection::cancelPreview() {
    pending_.reset();
    closePreview();
}

void ConfigurationSection::closePreview() {
    if (ConfigurationPreview* preview = preview_.data()) {
        preview_.clear();
        preview->dismiss();
        preview->deleteLater();
    }
}

void ConfigurationSection::finish() {
    if (!pending_) {
        return;
    }
    const PreviewRequest request = *std::exchange(pending_, std::nullopt);
    closePreview();
    try {
        if (request.exporting) {
            // Exported as built when the preview opened, whatever changed since.
            save(request.package);
            return;
        }
        if (model_.configuration().value().revision != request.revision) {
            throw ConfigurationError(QStringLiteral("预览期间配置已变化，请重新选择文件并预览。"));
        }
        model_.importConfiguration(request.package);
    } catch (const UserFacingError& error) {
        fail(error.message());
    }
}

void ConfigurationSection::save(const ConfigurationPackage& package) {
    const bool backup = package.purpose == ConfigurationPurpose::backup;
    const FileRequest request{
        .caption = backup ? QStringLiteral("导出个人备份") : QStringLiteral("导出分享文件"),
        .purpose = FilePurpose::exportDocument,
        .filters = jsonOnly,
        .proposedName = backup ? backupFileName : shareFileName,
        .defaultSuffix = QStringLiteral("json"),
    };
    chooser_.save(this, request,
                  [self = QPointer(this), bytes = package.encoded()](std::optional<QString> path) {
                      if (!self || !path) {
                          return;
                      }
                      try {
                          FileIO::writeAtomically(*path, bytes);
                          self->model_.setConfigurationMessage(QStringLiteral("配置文件已导出。"));
                      } catch (const UserFacingError& error) {
                          self->fail(error.message());
                      }
                  });
}

void ConfigurationSection::askToRestore() {
    restoreConfirmation_ = openAlert(
        this,
        Alert{
            .title = QStringLiteral("恢复导入前配置？"),
            .message = QStringLiteral("当前配置将替换为最近一次导入前的备份，包括之后所做的修改。"),
            .buttons = {{QStringLiteral("取消"), AlertButton::Role::cancel},
                        {QStringLiteral("恢复"), AlertButton::Role::destructive,
                         [this] { restoreBeforeImport(); }}},
        });
}

void ConfigurationSection::restoreBeforeImport() {
    try {
        model_.restoreConfigurationBeforeImport();
    } catch (const UserFacingError& error) {
        fail(error.message());
    }
}

void ConfigurationSection::fail(const QString& message) {
    failure_ =
        openAlert(this, Alert{.title = QStringLiteral("配置操作未完成"), .message = message});
}

}  // namespace tundle
