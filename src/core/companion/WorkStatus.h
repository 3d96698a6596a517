#pragma once

#include <QDateTime>
#include <optional>
#include <utility>

namespace tundle {

// Why the owner is not at work; the number also seeds the choice of the pet's line.
enum class RestKind { morning = 0, midday = 1, evening = 2, holiday = 3 };

std::optional<RestKind> restKindFromRaw(int raw);

// The owner's work/rest status at one instant.
class WorkStatus {
public:
    enum class Kind { working, resting, unconfigured };

    // At work until `end`, the end of the current merged stretch of work.
    static WorkStatus working(QDateTime end) { return WorkStatus(Kind::working, end, {}); }
    static WorkStatus resting(RestKind rest) { return WorkStatus(Kind::resting, {}, rest); }
    // The plan gives no basis for a status.
    static WorkStatus unconfigured() { return WorkStatus(Kind::unconfigured, {}, {}); }

    Kind kind() const { return kind_; }
    // Meaningful when working.
    const QDateTime& until() const { return until_; }
    // Meaningful when resting.
    RestKind rest() const { return rest_; }

    bool operator==(const WorkStatus&) const = default;

private:
    WorkStatus(Kind kind, QDateTime until, RestKind rest)
        : kind_(kind), until_(std::move(until)), rest_(rest) {}

    Kind kind_;
    QDateTime until_;
    RestKind rest_;
};

}  // namespace tundle
