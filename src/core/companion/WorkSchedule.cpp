#include "companion/WorkSchedule.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <span>
#include <vector>

namespace tundle {

namespace {

constexpr unsigned minutesPerDay = 1440;

// Instants as UTC milliseconds: a plan may hold thousands of periods, and plain numbers sort and
// compare far faster than date-times.
struct Interval {
    qint64 start;
    qint64 end;
};

bool isTableEmpty(const std::optional<WorkPeriodTable>& table) {
    return !table || table->empty();
}

bool isUnconfigured(const WorkPlan& plan) {
    return (plan.periods.empty() || plan.weekdays.empty()) && isTableEmpty(plan.weeklyOverrides) &&
           isTableEmpty(plan.dateOverrides);
}

bool yieldsWork(const WorkPeriod& period) {
    return period.enabled && static_cast<unsigned>(period.start) < minutesPerDay &&
           static_cast<unsigned>(period.end) < minutesPerDay && period.start != period.end;
}

// The instants of one day's clock times. A day without a change of the clock maps each minute
// straight onto its instant; on a day of a change every minute is resolved by the calendar.
class DayClock {
public:
    DayClock(const Calendar& calendar, std::optional<QDateTime> day)
        : calendar_(calendar), day_(std::move(day)) {
        if (!day_) {
            return;
        }
        const auto first = calendar_.at(*day_, 0, 0, 0);
        const auto last = calendar_.at(*day_, 23, 59, 0);
        if (first && last &&
            last->toMSecsSinceEpoch() - first->toMSecsSinceEpoch() == lastMinute * minuteMsecs) {
            midnight_ = first->toMSecsSinceEpoch();
        }
    }

    std::optional<qint64> at(int minute) const {
        if (midnight_) {
            return *midnight_ + minute * minuteMsecs;
        }
        if (!day_) {
            return std::nullopt;
        }
        const auto time = calendar_.at(*day_, minute / 60, minute % 60, 0);
        return time ? std::optional<qint64>(time->toMSecsSinceEpoch()) : std::nullopt;
    }

private:
    static constexpr qint64 minuteMsecs = 60'000;
    static constexpr qint64 lastMinute = minutesPerDay - 1;

    const Calendar& calendar_;
    std::optional<QDateTime> day_;
    std::optional<qint64> midnight_;
};

// The intervals of work of yesterday, today and tomorrow, so that overnight periods reach in
// from either side.
std::vector<Interval> workIntervals(const QDateTime& today, const WorkPlan& plan,
                                    const Calendar& calendar) {
    std::array<std::optional<QDateTime>, 4> days;
    for (int offset = -1; offset <= 2; ++offset) {
        days[static_cast<std::size_t>(offset + 1)] = calendar.addingDays(today, offset);
    }
    std::vector<DayClock> clocks;
    for (const auto& day : days) {
        clocks.emplace_back(calendar, day);
    }
    std::vector<Interval> intervals;
    for (std::size_t index = 0; index < 3; ++index) {
        const auto& day = days[index];
        if (!day) {
            continue;
        }
        for (const WorkPeriod& period : plan.periodsOn(*day, calendar)) {
            if (!yieldsWork(period)) {
                continue;
            }
            const DayClock& endClock = clocks[period.end < period.start ? index + 1 : index];
            const auto start = clocks[index].at(period.start);
            const auto end = endClock.at(period.end);
            if (start && end && *end > *start) {
                intervals.push_back(Interval{*start, *end});
            }
        }
    }
    return intervals;
}

std::vector<Interval> merged(std::vector<Interval> intervals) {
    std::stable_sort(intervals.begin(), intervals.end(),
                     [](const Interval& a, const Interval& b) { return a.start < b.start; });
    std::vector<Interval> result;
    for (const Interval& interval : intervals) {
        if (!result.empty() && interval.start <= result.back().end) {
            result.back().end = std::max(result.back().end, interval.end);
        } else {
            result.push_back(interval);
        }
    }
    return result;
}

RestKind restKind(const QDateTime& now, const QDateTime& today,
                  const std::vector<Interval>& intervals, const Calendar& calendar) {
    const qint64 moment = now.toMSecsSinceEpoch();
    const qint64 dayStart = today.toMSecsSinceEpoch();
    const auto tomorrow = calendar.addingDays(today, 1);
    const auto nextStart = tomorrow ? calendar.startOfDay(*tomorrow) : std::nullopt;
    const auto isToday = [&](qint64 instant) {
        if (!nextStart) {
            return calendar.isSameDay(QDateTime::fromMSecsSinceEpoch(instant, Qt::UTC), today);
        }
        return instant >= dayStart && instant < nextStart->toMSecsSinceEpoch();
    };
    bool endedToday = false;
    bool laterToday = false;
    for (const Interval& interval : intervals) {
        endedToday = endedToday || (interval.end <= moment && isToday(interval.end));
        laterToday = laterToday || (interval.start > moment && isToday(interval.start));
    }
    if (laterToday) {
        return endedToday ? RestKind::midday : RestKind::morning;
    }
    return endedToday ? RestKind::evening : RestKind::holiday;
}

constexpr std::array earlyMorningLines{
    "人，早。噜的眼睛还没开机。", "噜醒啦……只有一只眼睛醒了。", "人，等噜把这个哈欠打完。",
    "被被拉着噜，不让噜起来。",   "人先醒，噜随后就到。",
};
constexpr std::array lateMorningLines{
    "人，枕头分你一半。",
    "人，靠过来。这里软软的。",
    "噜躺好了，人呢？",
};
constexpr std::array middayLines{
    "人，饭饭吃了吗？",         "人，枕头分你一半。",     "噜先眯一下，人帮噜看着橘子。",
    "人，靠过来。这里软软的。", "嘘，噜在给肚肚腾地方。",
};
constexpr std::array earlyEveningLines{
    "人，下班啦！快跟噜走。",
    "人，今天的班班上完啦。",
    "人回来啦，噜往旁边挪挪。",
};
constexpr std::array lateEveningLines{
    "人，下班啦！快跟噜走。",
    "人，今天的班班上完啦。",
    "人，噜把被窝弄暖啦。",
    "人回来啦，噜往旁边挪挪。",
};
constexpr std::array holidayLines{
    "人，今天一起当小懒豚。",         "噜躺好了，人呢？",
    "人，今天不忙，忙着躺躺。",       "枕头说，它也想你啦。",
    "人，陪噜数云朵。数丢了也没事。",
};

std::span<const char* const> pool(RestKind kind, int hour) {
    switch (kind) {
        case RestKind::morning:
            return hour < 12 ? std::span<const char* const>(earlyMorningLines)
                             : std::span<const char* const>(lateMorningLines);
        case RestKind::midday:
            return middayLines;
        case RestKind::evening:
            return hour < 18 ? std::span<const char* const>(earlyEveningLines)
                             : std::span<const char* const>(lateEveningLines);
        case RestKind::holiday:
            return holidayLines;
    }
    return holidayLines;
}

}  // namespace

WorkStatus WorkSchedule::status(const QDateTime& now, const WorkPlan& plan,
                                const Calendar& calendar) {
    if (isUnconfigured(plan)) {
        return WorkStatus::unconfigured();
    }
    const auto today = calendar.startOfDay(now);
    if (!today) {
        return WorkStatus::resting(RestKind::holiday);
    }
    const std::vector<Interval> intervals = workIntervals(*today, plan, calendar);
    const qint64 moment = now.toMSecsSinceEpoch();
    for (const Interval& stretch : merged(intervals)) {
        if (stretch.start <= moment && moment < stretch.end) {
            return WorkStatus::working(QDateTime::fromMSecsSinceEpoch(stretch.end, Qt::UTC));
        }
    }
    return WorkStatus::resting(restKind(now, *today, intervals, calendar));
}

QString WorkSchedule::message(RestKind kind, const QDateTime& date, const Calendar& calendar) {
    const std::span<const char* const> lines = pool(kind, calendar.hour(date));
    const auto n = static_cast<qint64>(lines.size());
    const qint64 day = calendar.dayOrdinal(date).value_or(0);
    // Floored, so that days before the era still land on a line of the pool.
    qint64 cycle = day / n;
    if (day % n < 0) {
        --cycle;
    }
    const qint64 index = day - cycle * n;

    std::uint64_t state =
        static_cast<std::uint64_t>(cycle) + static_cast<std::uint64_t>(kind) * 7919 + 1;
    std::vector<std::size_t> positions(lines.size());
    std::iota(positions.begin(), positions.end(), 0);
    for (std::size_t i = positions.size() - 1; i >= 1; --i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const std::size_t j = static_cast<std::size_t>((state >> 32) % (i + 1));
        std::swap(positions[i], positions[j]);
    }
    return QString::fromUtf8(lines[positions[static_cast<std::size_t>(index)]]);
}

}  // namespace tundle
