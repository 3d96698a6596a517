#include "controlcentre/FarmSettings.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "model/AppModel.h"
#include "toolkit/Colors.h"
#include "toolkit/SegmentedControl.h"
#include "toolkit/SliderScale.h"
#include "toolkit/StyledText.h"
#include "toolkit/Switch.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

// The segments in the order they are shown.
constexpr std::array balances{FarmBalance::pet, FarmBalance::balanced, FarmBalance::farm};

}  // namespace

FarmSettings::FarmSettings(AppModel& model, FarmStore& farm, QWidget* parent)
    : QWidget(parent),
      model_(model),
      farm_(farm),
      coins_(StyledText::make({}, TextSize::footnote, Colors::muted())),
      visible_(new Switch),
      details_(new QWidget),
      scaleText_(StyledText::monospacedLabel({}, TextSize::footnote, Colors::muted())),
      scale_(new QSlider(Qt::Horizontal)),
      balance_(new SegmentedControl(
          {QStringLiteral("糯墩突出"), QStringLiteral("均衡"), QStringLiteral("农场突出")})) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(13);

    auto* top = new QHBoxLayout;
    auto* titles = new QVBoxLayout;
    titles->setSpacing(3);
    titles->addWidget(StyledText::make(QStringLiteral("桌面动态农场"), TextSize::control,
                                       Colors::ink(), FontWeight::medium));
    titles->addWidget(coins_);
    top->addLayout(titles, 1);
    visible_->setAccessibleName(QStringLiteral("桌面农场"));
    top->addWidget(visible_, 0, Qt::AlignVCenter);
    column->addLayout(top);

    auto* details = new QVBoxLayout(details_);
    details->setContentsMargins(0, 0, 0, 0);
    details->setSpacing(13);
    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(
        StyledText::label(QStringLiteral("场景大小"), TextSize::body, Colors::ink()), 0,
        Qt::AlignVCenter);
    scaleRow->addStretch();
    scaleRow->addWidget(scaleText_, 0, Qt::AlignVCenter);
    details->addLayout(scaleRow);
    scale_->setRange(0, SliderScale::farmScale.lastPosition());
    scale_->setAccessibleName(QStringLiteral("场景大小"));
    details->addWidget(scale_);
    balance_->setAccessibleName(QStringLiteral("糯墩与田地比例"));
    details->addWidget(balance_, 0, Qt::AlignLeft);
    column->addWidget(details_);

    connect(visible_, &QAbstractButton::clicked, this,
            [this](bool checked) { model_.setFarmVisible(checked); });
    connect(scale_, &QSlider::valueChanged, this, &FarmSettings::scaleMoved);
    connect(balance_, &SegmentedControl::activated, this, [this](int index) {
        farm_.setBalance(balances.at(std::size_t(index)));
        model_.changeFarmLayout();
    });
    connect(&farm_, &FarmStore::changed, this, &FarmSettings::sync);
    sync();
}

void FarmSettings::scaleMoved(int position) {
    farm_.setScale(SliderScale::farmScale.value(position));
    model_.changeFarmLayout();
}

void FarmSettings::sync() {
    coins_->setText(QStringLiteral("收起后作物仍会继续生长 · %1 糯币").arg(farm_.coins()));
    {
        const QSignalBlocker blocker(visible_);
        visible_->setChecked(farm_.visible());
    }
    details_->setVisible(farm_.visible());
    scaleText_->setText(wholePercent(farm_.scale()));
    {
        const QSignalBlocker blocker(scale_);
        scale_->setValue(SliderScale::farmScale.position(farm_.scale()));
    }
    const auto current = std::find(balances.begin(), balances.end(), farm_.balance());
    balance_->setCurrentIndex(int(current - balances.begin()));
}

}  // namespace tundle
