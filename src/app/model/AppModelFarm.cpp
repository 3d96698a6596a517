#include "model/AppModel.h"

namespace tundle {

void AppModel::setFarmVisible(bool visible) {
    if (farm_.visible() == visible) {
        return;
    }
    farm_.setVisible(visible);
    farm_.save();
    changeFarmLayout();
    dismissBubble();
}

void AppModel::changeFarmLayout() {
    if (changeFarmLayout_) {
        changeFarmLayout_();
    }
}

// The desktop farm is one of the room's views: it reports only its own state, so hiding it
// leaves the room on screen while another view (the home page's room) still shows it.
void AppModel::followFarmVisibility() {
    if (!farm_.visible()) {
        roomClock_->cancel();
        room_.reportView(&farm_, false);
        return;
    }
    roomClock_->start(0, [this] { stepRoomClock(); });
}

void AppModel::stepRoomClock() {
    room_.reportView(&farm_, true);
    room_.tick();
    roomClock_->start(roomStepSeconds, [this] { stepRoomClock(); });
}

void AppModel::setFarmWalk(std::optional<int> at, std::optional<int> from, std::optional<int> to) {
    farmPetPlot_ = at;
    farmMoveFromPlot_ = from;
    farmMoveToPlot_ = to;
    emit farmWalkChanged();
    emit changed();
}

// A new walk replaces an unfinished one, whose work is then never done; the pet starts again
// from the plot it last reached.
void AppModel::moveToFarmPlot(int plot, std::function<void()> action) {
    if (!farm_.visible() || plot < 0 || plot >= static_cast<int>(farm_.plots().size())) {
        return;
    }
    farmMoveTask_->cancel();
    const bool walking = farmPetPlot_ != plot;
    farmMoveStart_ = world_.clock();
    setFarmWalk(farmPetPlot_, farmPetPlot_, plot);
    farmMoveTask_->start(walking ? farmWalkSeconds : farmStepSeconds,
                         [this, plot, action = std::move(action)] {
                             setFarmWalk(plot, std::nullopt, std::nullopt);
                             action();
                         });
}

void AppModel::showFarmFeedback(int plot, const QString& title, const QString& detail, bool doubled,
                                double duration) {
    farmFeedbackTask_->cancel();
    farmFeedback_ = FarmFeedback{plot, title, detail, doubled, world_.clock()};
    emit farmFeedbackChanged();
    emit changed();
    farmFeedbackTask_->start(duration, [this] {
        farmFeedback_ = std::nullopt;
        emit farmFeedbackChanged();
        emit changed();
    });
}

void AppModel::loosenFarmPlot(int plot) {
    moveToFarmPlot(plot, [this, plot] {
        if (!farm_.loosen(plot)) {
            return;
        }
        dismissBubble();
        play(QStringLiteral("loosen_soil"));
        showFarmFeedback(plot, QStringLiteral("松土完成"), QStringLiteral("选择种子开始种植"),
                         false, 3.5);
    });
}

void AppModel::sowFarmCrop(FarmCrop crop, int plot) {
    moveToFarmPlot(plot, [this, crop, plot] {
        const QDateTime now = world_.clock();
        if (!farm_.sow(crop, plot, now)) {
            return;
        }
        dismissBubble();
        play(QStringLiteral("sow"));
        showFarmFeedback(plot, QStringLiteral("种下") + displayName(crop),
                         farm_.countdown(plot, now).value_or(QStringLiteral("正在发芽")), false,
                         3.5);
    });
}

void AppModel::waterFarmPlot(int plot) {
    moveToFarmPlot(plot, [this, plot] {
        if (!farm_.water(plot, world_.clock())) {
            return;
        }
        dismissBubble();
        play(QStringLiteral("water"));
        showFarmFeedback(plot, QStringLiteral("浇水完成"), QStringLiteral("生长时间缩短 20%"),
                         false, 3.5);
    });
}

void AppModel::harvestFarmPlot(int plot) {
    moveToFarmPlot(plot, [this, plot] {
        const double roll = world_.roll();
        const std::optional<FarmHarvestResult> result = farm_.harvest(plot, world_.clock(), roll);
        if (!result) {
            return;
        }
        const bool doubled = result->multiplier == 2;
        constexpr double harvestSeconds = 1.35;
        dismissBubble();
        farmCelebrationTask_->cancel();
        play(QStringLiteral("harvest"), harvestSeconds);
        showFarmFeedback(plot, doubled ? QStringLiteral("双倍收获！") : QStringLiteral("收获成功"),
                         QStringLiteral("+") + QString::number(result->price * result->multiplier) +
                             QStringLiteral(" 糯币"),
                         doubled, doubled ? 5.0 : 3.5);
        if (doubled) {
            farmCelebrationTask_->start(harvestSeconds, [this] { play(celebrationClip()); });
        }
    });
}

QString AppModel::celebrationClip() const {
    for (const PetAssets::ActionGroup& group : assets_->actionGroups()) {
        if (group.id == QStringLiteral("dance") && !group.actions.empty()) {
            return group.actions.front().id;
        }
    }
    return assets_->hasClip(QStringLiteral("dance")) ? QStringLiteral("dance")
                                                     : QStringLiteral("jump");
}

}  // namespace tundle
