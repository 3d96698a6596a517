#include "controlcentre/SettingsPage.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "controlcentre/FarmSettings.h"
#include "controlcentre/TrashCard.h"
#include "model/AppModel.h"
#include "support/BundleInfo.h"
#include "toolkit/Colors.h"
#include "toolkit/Divider.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Paper.h"
#include "toolkit/SettingsHelp.h"
#include "toolkit/SliderScale.h"
#include "toolkit/SoftButton.h"
#include "toolkit/Spacing.h"
#include "toolkit/StyledText.h"
#include "toolkit/Switch.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

SettingsPage::SettingsPage(AppModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      scaleText_(StyledText::monospacedLabel({}, TextSize::body, Colors::muted())),
      scale_(new QSlider(Qt::Horizontal)),
      reduceMotion_(new Switch),
      sound_(new Switch),
      packError_(StyledText::make({}, TextSize::body, Colors::accent())),
      body_(new QVBoxLayout(this)),
      configurationSection_(new QWidget),
      appStatus_(StyledText::make({}, TextSize::body, Colors::muted())),
      appCheck_(new SoftButton(QStringLiteral("检查软件更新"))),
      contentStatus_(StyledText::make({}, TextSize::body, Colors::muted())),
      contentCheck_(new SoftButton) {
    body_->setContentsMargins(0, 0, 0, 0);
    body_->setSpacing(22);
    body_->addWidget(new PageHeading(QStringLiteral("舒服一点，刚刚好。")));
    body_->addWidget(settingsCard());
    configurationSection_->hide();
    body_->addWidget(configurationSection_);
    body_->addWidget(new TrashCard(model_, model_.trash()));
    body_->addWidget(versionCard());
    body_->addStretch();

    connect(&model_, &AppModel::petScaleChanged, this, &SettingsPage::syncPreferences);
    connect(&model_, &AppModel::reduceMotionChanged, this, &SettingsPage::syncPreferences);
    connect(&model_, &AppModel::soundEnabledChanged, this, &SettingsPage::syncPreferences);
    connect(&model_, &AppModel::assetPackLoadErrorChanged, this, &SettingsPage::syncPreferences);
    connect(&model_.updates(), &UpdateStatus::changed, this, &SettingsPage::syncUpdates);
    syncPreferences();
    syncUpdates();
}

QWidget* SettingsPage::settingsCard() {
    auto* card = new Paper(20);
    QVBoxLayout& rows = card->content();
    rows.setSpacing(21);
    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(StyledText::label(QStringLiteral("桌宠大小"), TextSize::control,
                                          Colors::ink(), FontWeight::medium),
                        0, Qt::AlignVCenter);
    scaleRow->addStretch();
    scaleRow->addWidget(scaleText_, 0, Qt::AlignVCenter);
    rows.addLayout(scaleRow);
    scale_->setRange(0, SliderScale::petScale.lastPosition());
    scale_->setAccessibleName(QStringLiteral("桌宠大小"));
    rows.addWidget(scale_);
    rows.addWidget(divider());
    rows.addWidget(new FarmSettings(model_, model_.farm()));
    rows.addWidget(divider());
    const struct {
        Switch* toggle;
        QString title;
        QString help;
    } toggles[] = {
        {reduceMotion_, QStringLiteral("减少动态效果"),
         QStringLiteral("桌宠使用静态待机，房间天气和装饰动画也会保持静止。")},
        {sound_, QStringLiteral("音效"),
         QStringLiteral("播放动作自带的原声与互动音效；提醒使用系统短音效。")},
    };
    for (const auto& [toggle, title, help] : toggles) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(StyledText::label(title, TextSize::control, Colors::ink()), 0,
                       Qt::AlignVCenter);
        row->addWidget(new SettingsHelp(title, help), 0, Qt::AlignVCenter);
        row->addStretch();
        toggle->setAccessibleName(title);
        row->addWidget(toggle, 0, Qt::AlignVCenter);
        rows.addLayout(row);
    }
    rows.addWidget(packError_);

    connect(scale_, &QSlider::valueChanged, this, &SettingsPage::scaleMoved);
    connect(reduceMotion_, &QAbstractButton::clicked, this, [this](bool on) {
        model_.setReduceMotion(on);
        model_.saveSettings();
    });
    connect(sound_, &QAbstractButton::clicked, this, [this](bool on) {
        model_.setSoundEnabled(on);
        model_.saveSettings();
    });
    return card;
}

QWidget* SettingsPage::versionCard() {
    auto* card = new Paper(20);
    QVBoxLayout& lines = card->content();
    lines.setSpacing(Spacing::regular);
    lines.addWidget(StyledText::make(QStringLiteral("版本与更新"), TextSize::emphasis,
                                     Colors::ink(), FontWeight::semibold));
    lines.addWidget(StyledText::make(versionText(BundleInfo::current().shortVersion),
                                     TextSize::body, Colors::ink()));
    for (auto [status, check] :
         {std::pair{appStatus_, appCheck_}, std::pair{contentStatus_, contentCheck_}}) {
        auto* row = new QHBoxLayout;
        row->addWidget(status, 1, Qt::AlignVCenter);
        row->addWidget(check, 0, Qt::AlignVCenter);
        lines.addLayout(row);
    }
    lines.addWidget(divider());
    auto* shortcuts = new QHBoxLayout;
    auto* showPet = new SoftButton(QStringLiteral("显示桌宠"));
    auto* openTrash = new SoftButton(QStringLiteral("打开系统废纸篓"));
    shortcuts->addWidget(showPet);
    shortcuts->addWidget(openTrash);
    shortcuts->addStretch();
    lines.addLayout(shortcuts);

    connect(appCheck_, &QAbstractButton::clicked, this, [this] {
        if (const std::function<void()> check = model_.updates().checkAppUpdate()) {
            check();
        }
    });
    connect(contentCheck_, &QAbstractButton::clicked, this, [this] {
        if (const std::function<void()> check = model_.updates().checkContentUpdate()) {
            check();
        }
    });
    connect(showPet, &QAbstractButton::clicked, this, [this] { model_.showPet(); });
    connect(openTrash, &QAbstractButton::clicked, this, [this] { model_.openTrash(); });
    return card;
}

QString SettingsPage::versionText(const QString& shortVersion) {
    return QStringLiteral("版本 ") +
           (shortVersion.isEmpty() ? QStringLiteral("开发版") : shortVersion);
}

void SettingsPage::setConfigurationSection(QWidget* section) {
    // The layout hands back the placeholder's item, which is ours to delete.
    delete body_->replaceWidget(configurationSection_, section);
    delete configurationSection_;
    configurationSection_ = section;
    section->show();
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
    for (auto [toggle, on] : {std::pair{reduceMotion_, model_.reduceMotion()},
                              std::pair{sound_, model_.soundEnabled()}}) {
        const QSignalBlocker blocker(toggle);
        toggle->setChecked(on);
    }
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
