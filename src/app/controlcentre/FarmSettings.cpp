#include "controlcentre/FarmSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "controlcentre/SliderScale.h"
#include "model/AppModel.h"

namespace tundle {

namespace {

struct BalanceSegment {
    FarmBalance balance;
    const char* title;
};

constexpr BalanceSegment balanceSegments[] = {
    {FarmBalance::pet, "糯墩突出"},
    {FarmBalance::balanced, "均衡"},
    {FarmBalance::farm, "农场突出"},
};

}  // namespace

FarmSettings::FarmSettings(AppModel& model, FarmStore& farm, QWidget* parent)
    : QWidget(parent),
      model_(model),
      farm_(farm),
      coins_(new QLabel),
      visible_(new QCheckBox),
      details_(new QWidget),
      scaleText_(new QLabel),
      scale_(new QSlider(Qt::Horizontal)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(13);

    auto* top = new QHBoxLayout;
    auto* titles = new QVBoxLayout;
    titles->setSpacing(3);
    titles->addWidget(new QLabel(QStringLiteral("桌面动态农场")));
    titles->addWidget(coins_);
    top->addLayout(titles);
    top->addStretch();
    visible_->setAccessibleName(QStringLiteral("桌面农场"));
    top->addWidget(visible_);
    column->addLayout(top);

    auto* details = new QVBoxLayout(details_);
    details->setContentsMargins(0, 0, 0, 0);
    details->setSpacing(13);
    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(new QLabel(QStringLiteral("场景大小")));
    scaleRow->addStretch();
    scaleRow->addWidget(scaleText_);
    details->addLayout(scaleRow);
    scale_->setRange(0, SliderScale::farmScale.lastPosition());
    scale_->setAccessibleName(QStringLiteral("场景大小"));
    details->addWidget(scale_);
    auto* segments = new QHBoxLayout;
    segments->setSpacing(0);
    auto* group = new QButtonGroup(this);
    for (const BalanceSegment& segment : balanceSegments) {
        auto* button = new QPushButton(QString::fromUtf8(segment.title));
        button->setCheckable(true);
        button->setAutoDefault(false);
        group->addButton(button);
        segments->addWidget(button);
        balances_.append(button);
        connect(button, &QAbstractButton::clicked, this, [this, balance = segment.balance] {
            farm_.setBalance(balance);
            model_.changeFarmLayout();
        });
    }
    details->addLayout(segments);
    column->addWidget(details_);

    connect(visible_, &QAbstractButton::clicked, this,
            [this](bool checked) { model_.setFarmVisible(checked); });
    connect(scale_, &QSlider::valueChanged, this, &FarmSettings::scaleMoved);
    connect(&farm_, &FarmStore::changed, this, &FarmSettings::sync);
    sync();
}

void FarmSettings::scaleMoved(int position) {
    farm_.setScale(SliderScale::farmScale.value(position));
    model_.changeFarmLayout();
}

void FarmSettings::sync() {
    coins_->setText(QStringLiteral("收起后作物仍会继续生长 · %1 糯币").arg(farm_.coins()));
    const QSignalBlocker visibleBlocker(visible_);
    visible_->setChecked(farm_.visible());
    details_->setVisible(farm_.visible());
    scaleText_->setText(wholePercent(farm_.scale()));
    const QSignalBlocker scaleBlocker(scale_);
    scale_->setValue(SliderScale::farmScale.position(farm_.scale()));
    for (int index = 0; index < balances_.size(); ++index) {
        balances_[index]->setChecked(balanceSegments[index].balance == farm_.balance());
    }
}

}  // namespace tundle
