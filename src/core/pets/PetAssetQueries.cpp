#include <algorithm>
#include <cmath>

#include "companion/BreathMoment.h"
#include "pets/PetActionTable.h"
#include "pets/PetAssets.h"
#include "pets/PetPlacement.h"

namespace tundle {

namespace {

constexpr qint64 unrankedOrder = 100;
constexpr double defaultDuration = 3.0;

int clampedFrame(qint64 frame, int count) {
    return static_cast<int>(std::clamp<qint64>(frame, 0, count - 1));
}

}  // namespace

const PetClip* PetAssets::usable(const QString& clip) const {
    const auto found = clips_.find(clip);
    return found != clips_.end() && found->second.usable() ? &found->second : nullptr;
}

bool PetAssets::hasClip(const QString& clip) const {
    return usable(clip) != nullptr;
}

QString PetAssets::resolvedClip(const QString& clip) const {
    if (hasClip(clip)) {
        return clip;
    }
    if (clip == QStringLiteral("stretch") && hasClip(QStringLiteral("jump"))) {
        return QStringLiteral("jump");
    }
    return QStringLiteral("idle");
}

const PetClip* PetAssets::playing(const QString& clip) const {
    if (const PetClip* own = usable(clip)) {
        return own;
    }
    if (clip == QLatin1String("stretch")) {
        if (const PetClip* jump = usable(QStringLiteral("jump"))) {
            return jump;
        }
    }
    return usable(QStringLiteral("idle"));
}

double PetAssets::fallbackDuration(const QString& clip) const {
    const PetClip* found = usable(clip);
    return found != nullptr ? found->info.effectiveDuration() : defaultDuration;
}

double PetAssets::duration(const QString& clip) const {
    if (const PetClip* found = usable(clip)) {
        return found->info.effectiveDuration();
    }
    if (clip == QStringLiteral("eating")) {
        return 1.5;
    }
    if (clip == QStringLiteral("poof")) {
        return 1.7;
    }
    if (clip == QStringLiteral("drink")) {
        return 3.0;
    }
    if (clip == QStringLiteral("stretch") || clip == QStringLiteral("jump")) {
        return fallbackDuration(QStringLiteral("jump"));
    }
    return fallbackDuration(QStringLiteral("idle"));
}

std::optional<QString> PetAssets::actionAudioURL(const QString& clip) const {
    const auto found = audioFiles_.find(clip);
    return found != audioFiles_.end() && hasClip(clip) ? std::optional(found->second)
                                                       : std::nullopt;
}

std::vector<PetAssets::Action> PetAssets::actions() const {
    struct Ranked {
        qint64 rank;
        Action action;
    };
    std::vector<Ranked> ranked;
    for (const auto& [id, clip] : clips_) {
        if (id == QStringLiteral("idle") || clip.info.previewable == false || !clip.usable()) {
            continue;
        }
        const auto builtIn = PetActionDefault::of(id);
        const qint64 rank = clip.info.sortOrder.value_or(builtIn ? builtIn->first : unrankedOrder);
        const QString title = clip.info.title.value_or(builtIn ? builtIn->second.titleText() : id);
        ranked.push_back({rank, {id, title, clip.info.group}});
    }
    std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        return a.rank != b.rank ? a.rank < b.rank : a.action.id < b.action.id;
    });
    std::vector<Action> result;
    result.reserve(ranked.size());
    for (Ranked& entry : ranked) {
        result.push_back(std::move(entry.action));
    }
    return result;
}

std::vector<PetAssets::Action> PetAssets::standaloneActions() const {
    std::vector<Action> result = actions();
    std::erase_if(result, [](const Action& action) { return action.group.has_value(); });
    return result;
}

std::vector<PetAssets::ActionGroup> PetAssets::actionGroups() const {
    std::vector<ActionGroup> groups;
    for (const Action& action : actions()) {
        if (!action.group) {
            continue;
        }
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const ActionGroup& g) { return g.id == *action.group; });
        if (group == groups.end()) {
            const auto info = groups_.find(*action.group);
            groups.push_back(
                {*action.group, info != groups_.end() ? info->second.title : *action.group, {}});
            group = groups.end() - 1;
        }
        group->actions.push_back(action);
    }
    const auto rank = [this](const ActionGroup& group) {
        const auto info = groups_.find(group.id);
        return info != groups_.end() ? info->second.sortOrder.value_or(unrankedOrder)
                                     : unrankedOrder;
    };
    std::sort(groups.begin(), groups.end(), [&](const ActionGroup& a, const ActionGroup& b) {
        return rank(a) != rank(b) ? rank(a) < rank(b) : a.id < b.id;
    });
    return groups;
}

std::optional<PetAssets::BreathFrames> PetAssets::breathingFrames(const BreathMoment& moment,
                                                                  bool still) const {
    const PetClip* idle = usable(QStringLiteral("idle"));
    if (idle == nullptr || !decode(*idle)) {
        return std::nullopt;
    }
    const std::vector<QImage>& frames = idle->frames;
    const int count = static_cast<int>(frames.size());
    const int rest = clampedFrame(idle->info.breathRestFrame.value_or(0), count);
    if (still) {
        return BreathFrames{&frames[rest], &frames[(rest + 1) % count], 0.0};
    }
    std::optional<int> peak;
    if (idle->info.breathPeakFrame) {
        peak = clampedFrame(*idle->info.breathPeakFrame, count);
    }
    double position = moment.sourceFramePosition(count, rest, peak);
    // Rounding in the position's arithmetic may land on `count` itself, one past the last frame.
    if (!(position >= 0)) {
        position = 0;
    }
    position = std::min(position, std::nextafter(static_cast<double>(count), 0.0));
    const int index = std::min(static_cast<int>(position), count - 1);
    return BreathFrames{&frames[index], &frames[(index + 1) % count], position - index};
}

int PetAssets::frameIndex(const QString& clip, double elapsed, bool still) const {
    const PetClip* playing = this->playing(clip);
    return playing != nullptr ? frameIndexIn(*playing, elapsed, still) : 0;
}

std::optional<double> PetAssets::secondsToNextFrame(const QString& clip, double elapsed,
                                                    bool still) const {
    const PetClip* playing = this->playing(clip);
    if (playing == nullptr || still || playing->info.frameCount < 2 || !std::isfinite(elapsed)) {
        return std::nullopt;
    }
    const double fps = playing->info.fps;
    const double raw = std::max(0.0, std::trunc(elapsed * fps));
    if (!playing->info.loop && raw >= static_cast<double>(playing->info.frameCount) - 1) {
        return std::nullopt;
    }
    return std::max((raw + 1) / fps - elapsed, 0.0);
}

int PetAssets::frameIndexIn(const PetClip& clip, double elapsed, bool still) {
    // A clip's frame count is known before its sheet is decoded, and a decoded clip holds
    // exactly that many frames.
    const double count = static_cast<double>(clip.info.frameCount);
    const double raw = still ? 0.0 : std::max(0.0, std::trunc(elapsed * clip.info.fps));
    if (!std::isfinite(raw)) {
        return clip.info.loop ? 0 : static_cast<int>(count) - 1;
    }
    return static_cast<int>(clip.info.loop ? std::fmod(raw, count) : std::min(raw, count - 1));
}

const QImage* PetAssets::frame(const QString& clip, double elapsed, bool still) const {
    // A sheet that fails to decode leaves its clip out, so the next in line plays instead.
    const PetClip* playing = this->playing(clip);
    while (playing != nullptr && !decode(*playing)) {
        playing = this->playing(clip);
    }
    return playing != nullptr ? &playing->frames[frameIndexIn(*playing, elapsed, still)] : nullptr;
}

QRectF PetAssets::normalizedRect(const QString& clip, const QRectF& rect) const {
    const std::optional<PetPlacement> placement = PetPlacement::of(resolvedClip(clip));
    return placement ? placement->apply(rect) : rect;
}

bool PetAssets::contains(const QPointF& point, const QRectF& rect) const {
    // Bottom-up and half-open: the left and bottom edges belong to the rectangle, the right and
    // top edges do not.
    const double maxX = rect.x() + rect.width();
    const double maxY = rect.y() + rect.height();
    const bool inside =
        point.x() >= rect.x() && point.x() < maxX && point.y() >= rect.y() && point.y() < maxY;
    if (!inside) {
        return false;
    }
    if (!firstAlpha_.isEmpty()) {
        const auto cell = [this](double offset, double extent) {
            return std::clamp<qint64>(static_cast<qint64>(offset / extent * size_), 0, size_ - 1);
        };
        const qint64 column = cell(point.x() - rect.x(), rect.width());
        // Rows count up from the bottom edge; the frame stands upright, so the mask, stored top
        // row first, is read from its last row up.
        const qint64 row = size_ - 1 - cell(point.y() - rect.y(), rect.height());
        return static_cast<uchar>(firstAlpha_[(row * size_ + column) * 4 + 3]) > maskThreshold;
    }
    const double inset = rect.width() * 0.2;
    return point.x() >= rect.x() + inset && point.x() < maxX - inset;
}

}  // namespace tundle
