#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tundle {

// What the store remembers between launches: the active release, the one before it, and
// the newest sequence ever activated, which keeps older releases out.
struct ContentStoreState {
    std::optional<QString> current;
    std::optional<QString> previous;
    qint64 highestSequence = 0;

    bool operator==(const ContentStoreState&) const = default;

    // Nothing for bytes that are not a state.
    static std::optional<ContentStoreState> decode(const QByteArray& bytes);
    QByteArray encode() const;
};

}  // namespace tundle
