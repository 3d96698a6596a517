#include "room/RoomEnvironment.h"

#include <QFile>

#include "support/ConfigurationError.h"
#include "support/FileIO.h"

namespace tundle {

namespace {

const QString separator = QStringLiteral(" · ");

}  // namespace

RoomEnvironment::RoomEnvironment(DraftOf draft)
    : provider_(draft.source.provider_),
      networkEnabled_(draft.source.networkEnabled_),
      clock_(draft.source.clock_),
      makeLocationSource_(draft.source.makeLocationSource_),
      makeGeocoder_(draft.source.makeGeocoder_),
      locationPatience_(draft.source.locationPatience_),
      searchPatience_(draft.source.searchPatience_),
      preferences_(draft.source.preferences_),
      snapshot_(draft.source.snapshot_),
      status_(draft.source.status_),
      now_(clock_()),
      sceneRoot_(draft.source.sceneRoot_),
      scene_(draft.source.scene_),
      builtIn_(draft.source.builtIn_),
      geocoder_(makeGeocoder_()),
      lastLocationAt_(draft.source.lastLocationAt_),
      nextAttempt_(distantPast()) {
    connectTimers();
}

std::unique_ptr<RoomEnvironment> RoomEnvironment::makeDraft() const {
    return std::unique_ptr<RoomEnvironment>(new RoomEnvironment(DraftOf{*this}));
}

void RoomEnvironment::applyDraft(const RoomEnvironment& draft, bool clearCache) {
    if (!configuration_ || draft.configuration_) {
        throw ConfigurationError(QStringLiteral("房间设置草稿无效"));
    }
    configuration_->update(
        [&](UserConfiguration& configuration) { configuration.device.room = draft.preferences_; });
    resetRequest();
    if (clearCache) {
        if (cachePath_) {
            QFile::remove(*cachePath_);
        }
    } else if (preferences_.location && draft.snapshot_) {
        const QDateTime current = clock_();
        bool adopted = false;
        try {
            draft.snapshot_->validate(*preferences_.location, current);
            adopted = draft.snapshot_->usable(current);
        } catch (const std::exception&) {
            // Weather of another place, or one that cannot be true, is not carried over.
        }
        if (adopted) {
            setSnapshot(draft.snapshot_);
            if (cachePath_) {
                try {
                    FileIO::writeAtomically(*cachePath_, draft.snapshot_->encoded());
                } catch (const std::exception&) {
                    // The record stays shown; only the next start misses it.
                }
            }
        } else {
            restoreCache();
        }
    } else {
        restoreCache();
    }
    // A fix taken while editing counts as recent once the room is back on screen.
    lastLocationAt_ = draft.lastLocationAt_;
    tick();
}

void RoomEnvironment::endEditing() {
    setVisible(false);
    resetRequest();
    cancelCitySearch();
}

QString RoomEnvironment::weatherSummary(const QLocale& locale, const QTimeZone& zone) const {
    if (preferences_.mode == RoomMode::fixed) {
        return QStringLiteral("预览") + separator + title(preferences_.fixedWeather) + separator +
               title(preferences_.fixedPhase);
    }
    if (preferences_.mode == RoomMode::weather && snapshot_ && snapshot_->usable(now_)) {
        const QString place =
            preferences_.location ? preferences_.location->name : QStringLiteral("所在地区");
        const QDateTime reference = snapshot_->observedAt.value_or(snapshot_->fetchedAt);
        QString summary =
            place + separator + title(snapshot_->condition) + separator +
            (snapshot_->observedAt ? QStringLiteral("观测于 ") : QStringLiteral("获取于 ")) +
            locale.toString(reference.toTimeZone(zone).time(), QLocale::ShortFormat);
        if (!snapshot_->fresh(now_)) {
            summary += QStringLiteral(" 缓存");
        }
        return summary;
    }
    return title(atmosphere(zone).phase) + separator + status_;
}

}  // namespace tundle
