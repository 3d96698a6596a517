#include "controlcentre/SettingsPage.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "controlcentre/FarmSettings.h"
#include "controlcentre/SliderScale.h"
#include "controlcentre/TrashCard.h"
#include "model/AppModel.h"
#include "support/BundleInfo.h"

namespace tundle {

namespace {

QFrame* divider() {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    return line;
}

}  // namespace

SettingsPage::SettingsPage(AppModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      scaleText_(new QLabel),
      scale_(new QSlider(Qt::Horizontal)),
      reduceMotion_(new QCheckBox),
      sound_(new QCheckBox),
      packError_(new QLabel),
      body_(new QVBoxLayout(this)),
      configurationSection_(new QWidget),
      appStatus_(new QLabel),
      appCheck_(new QPushButton(QStringLiteral("检查软件更新"))),
      contentStatus_(new QLabel),
      contentCheck_(new QPushButton) {
    body_->setSpacing(22);
    body_->addWidget(new QLabel(QStringLiteral("舒服一点，刚刚好。")));

    auto* settings = new QWidget;
    auto* rows = new QVBoxLayout(settings);
    rows->setContentsMargins(20, 20, 20, 20);
    rows->setSpacing(21);
    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(new QLabel(QStringLiteral("桌宠大小")));
    scaleRow->addStretch();
    scaleRow->addWidget(scaleText_);
    rows->addLayout(scaleRow);
    scale_->setRange(0, SliderScale::petScale.lastPosition());
    scale_->setAccessibleName(QStringLiteral("桌宠大小"));
    rows->addWidget(scale_);
    rows->addWidget(divider());
    rows->addWidget(new FarmSettings(model_, model_.farm()));
    rows->addWidget(divider());
    for (auto [toggle, title] : {std::pair{reduceMotion_, QStringLiteral("减少动态效果")},
                                 std::pair{sound_, QStringLiteral("音效")}}) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(title));
        row->addStretch();
        toggle->setAccessibleName(title);
        row->addWidget(toggle);
        rows->addLayout(row);
    }
    packError_->setTextFormat(Qt::PlainText);
    packError_->setWordWrap(true);
    rows->addWidget(packError_);
    body_->addWidget(settings);

    body_->addWidget(configurationSection_);
    body_->addWidget(new TrashCard(model_, model_.trash()));

    auto* version = new QWidget;
    auto* lines = new QVBoxLayout(version);
    lines->setContentsMargins(20, 20, 20, 20);
    lines->setSpacing(12);
    lines->addWidget(new QLabel(QStringLiteral("版本与更新")));
    lines->addWidget(new QLabel(versionText(BundleInfo::current().shortVersion)));
    for (auto [status, check] :
         {std::pair{appStatus_, appCheck_}, std::pair{contentStatus_, contentCheck_}}) {
        auto* row = new QHBoxLayout;
        status->setTextFormat(Qt::PlainText);
        status->setWordWrap(true);
        row->addWidget(status, 1);
        row->addWidget(check);
        lines->addLayout(row);
    }
    lines->addWidget(divider());
    auto* shortcuts = new QHBoxLayout;
    auto* showPet = new QPushButton(QStringLiteral("显示桌宠"));
    auto* openTrash = new QPushButton(QStringLiteral("打开系统废纸篓"));
    shortcuts->addWidget(showPet);
    shortcuts->addWidget(openTrash);
    shortcuts->addStretch();
    lines->addLayout(shortcuts);
    body_->addWidget(version);
    body_->addStretch();

    connect(scale_, &QSlider::valueChanged, this, &SettingsPage::scaleMoved);
    connect(reduceMotion_, &QAbstractButton::clicked, this, [this](bool on) {
        model_.setReduceMotion(on);
        model_.saveSettings();
    });
    connect(sound_, &QAbstractButton::clicked, this, [this](bool on) {
        model_.setSoundEnabled(on);
        model_.saveSettings();
    });
    connect(appCheck_, &QAbstractButton::clicked, this, [this] {
        if (const auto& check = model_.updates().checkAppUpdate()) {
            check();
        }
    });
    connect(contentCheck_, &QAbstractButton::clicked, this, [this] {
        if (const auto& check = model_.updates().checkContentUpdate()) {
            check();
        }
    });
    connect(showPet, &QAbstractButton::clicked, this, [this] { model_.showPet(); });
    connect(openTrash, &QAbstractButton::clicked, this, [this] { model_.openTrash(); });

    connect(&model_, &AppModel::petScaleChanged, this, &SettingsPage::syncPreferences);
    connect(&model_, &AppModel::reduceMotionChanged, this, &SettingsPage::syncPreferences);
    connect(&model_, &AppModel::soundEnabledChanged, this, &SettingsPage::syncPreferences);
    connect(&model_, &AppModel::assetPackLoadErrorChanged, this, &SettingsPage::syncPreferences);
    connect(&model_.updates(), &UpdateStatus::changed, this, &SettingsPage::syncUpdates);
    syncPreferences();
    syncUpdates();
}

QString SettingsPage::versionText(const QString& shortVersion) {
    return QStringLiteral("版本 ") +
           (shortVersion.isEmpty() ? QStringLiteral("开发版") : shortVersion);
}

void SettingsPage::setConfigurationSection(QWidget* section) {
    body_->replaceWidget(configurationSection_, section);
    delete configurationSection_;
    configurationSection_ = section;
}

void SettingsPage::scaleMoved(int position) {
    model_.changePetScale(SliderScale::petScale.value(position));
    model_.saveSettings();
}

void SettingsPage::syncPreferences() {
    scaleText_->setText(wholePercent(model_.petScale()));
    {
        const QSignalBlocker blocker(scale_);
        scale_->setValue(SliderScale::petScale.position(model_.petScale()));
    }
    reduceMotion_->setChecked(model_.reduceMotion());
    sound_->setChecked(model_.soundEnabled());
    packError_->setText(model_.assetPackLoadError().value_or(QString()));
    packError_->setVisible(model_.assetPackLoadError().has_value());
}

void SettingsPage::syncUpdates() {
    const UpdateStatus& updates = model_.updates();
    appStatus_->setText(updates.appUpdateStatus());
    appCheck_->setEnabled(updates.appUpdateAvailable());
    contentStatus_->setText(updates.contentUpdateStatus());
    contentCheck_->setText(updates.contentUpdateBusy() ? QStringLiteral("检查中…")
                                                       : QStringLiteral("检查资源更新"));
    contentCheck_->setEnabled(updates.contentUpdateAvailable() && !updates.contentUpdateBusy());
}

}  // namespace tundle
