#include <array>
#include <utility>

#include "model/AppModel.h"
#include "support/ResourceReader.h"

namespace tundle {

namespace {

// How long a clip keeps its frames after it stopped showing: a pet poked again soon plays it
// again without decoding it afresh.
constexpr double clipFramesGraceSeconds = 30;

}  // namespace

void AppModel::setAnimation(const QString& clip) {
    animation_ = clip;
    animationStart_ = world_.clock();
    clipFramesRelease_->start(clipFramesGraceSeconds,
                              [this] { assets_->releaseFrames(animation_); });
    emit animationChanged();
    emit changed();
}

void AppModel::stopClipSound() {
    if (actionAudioPlayer_) {
        actionAudioPlayer_->stop();
        actionAudioPlayer_.reset();
    }
}

QString AppModel::reactionClip(const QString& trigger, const QString& fallback) const {
    const auto named = assets_->triggers().find(trigger);
    if (named != assets_->triggers().end() && assets_->hasClip(named->second)) {
        return named->second;
    }
    return fallback;
}

void AppModel::play(const QString& clip, std::optional<double> seconds) {
    stopAnimation();
    if (reduceMotion_ || breathingQuiet()) {
        return;
    }
    if (soundEnabled_) {
        if (const std::optional<QString> audio = assets_->actionAudioURL(clip)) {
            try {
                actionAudioPlayer_ =
                    world_.sounds.load(ResourceReader::read(*audio, ResourceReader::assetLimit));
            } catch (const std::exception&) {
                // An unreadable sound leaves the clip silent.
            }
        }
    }
    setAnimation(clip);
    if (actionAudioPlayer_) {
        actionAudioPlayer_->play();
    }
    animationTimer_->start(seconds.value_or(assets_->duration(clip)),
                           [this, token = animationToken_] {
                               if (animationToken_ != token) {
                                   return;
                               }
                               stopClipSound();
                               setAnimation(QStringLiteral("idle"));
                           });
}

void AppModel::stopAnimation() {
    animationTimer_->cancel();
    eatingTimer_->cancel();
    stopClipSound();
    animationToken_ = QUuid::createUuid();
    eatingToken_ = QUuid::createUuid();
    setAnimation(QStringLiteral("idle"));
    // A feeding cut short still gets its receipt, as long as its eating bubble is the one up.
    if (const std::optional<EatingFeedback> feeding = std::exchange(eatingFeedback_, std::nullopt);
        feeding && feeding->token == messageToken_) {
        showTrashReceipt(feeding->summary, feeding->batch, false);
    }
}

void AppModel::previewAction(const QString& clip) {
    if (breathingQuiet()) {
        return;
    }
    for (const PetAssets::Action& action : assets_->actions()) {
        if (action.id == clip) {
            play(clip);
            return;
        }
    }
}

void AppModel::petClicked() {
    closeFunctionPanel();
    if (breathingQuiet()) {
        return;
    }
    play(reactionClip(QStringLiteral("petClick"), assets_->resolvedClip(QStringLiteral("jump"))));
    static const std::array<QString, 3> phrases{QStringLiteral("收到你的摸摸啦。"),
                                                QStringLiteral("今天也有好好陪着你。"),
                                                QStringLiteral("嘿嘿，收到啦！")};
    say({.message =
             phrases[static_cast<std::size_t>(world_.random(static_cast<int>(phrases.size())))],
         .duration = 4});
}

}  // namespace tundle
