#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace tundle {

// The fingerprint of one file-system item, read without following a final symbolic link, so
// an item put back can be proven to be the one that was moved.
struct TrashedFileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t birthSeconds = 0;
    std::int64_t birthNanoseconds = 0;

    bool operator==(const TrashedFileIdentity&) const = default;

    // Nothing when the item cannot be examined. A file system that keeps no creation time
    // gives zero for it on every read, so two reads of one item still agree.
    static std::optional<TrashedFileIdentity> read(const QByteArray& path);
    static std::optional<TrashedFileIdentity> read(const QString& path);
};

}  // namespace tundle
