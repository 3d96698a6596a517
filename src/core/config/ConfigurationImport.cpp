#include "config/ConfigurationCoding.h"
#include "config/ConfigurationPackage.h"
#include "config/ConfigurationStore.h"
#include "support/ConfigurationError.h"
#include "support/JsonWriter.h"

namespace tundle {

namespace {

// The earlier pre-import copy, to put back when an import does not go through. A copy that
// cannot be read could not be restored either, so there is nothing of it to keep.
std::optional<QByteArray> earlierCopy(const StoragePlace& place) {
    try {
        return place.read();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

void ConfigurationStore::importConfiguration(const ConfigurationPackage& package) {
    requireWritable();
    const UserConfiguration merged = package.applying(value_);
    const std::optional<QByteArray> earlier = earlierCopy(beforeImport_);
    beforeImport_.write(JsonWriter::compact(value_.toJson()));
    try {
        update([&merged](UserConfiguration& configuration) { configuration = merged; });
    } catch (const std::exception&) {
        // The save can still fail (a second running copy, a full disk); the user's last way
        // back must not be lost to an import that never happened. The save's failure is
        // what the user reads, even if putting the copy back fails too.
        if (earlier) {
            try {
                beforeImport_.write(*earlier);
            } catch (const std::exception&) {
            }
        }
        throw;
    }
}

void ConfigurationStore::restoreBeforeImport() {
    // A missing copy reads the same whether it was a file or a key: the user has not imported yet.
    const std::optional<QByteArray> bytes = beforeImport_.read();
    if (!bytes) {
        throw ConfigurationError(QStringLiteral("暂无导入前备份。"));
    }
    const UserConfiguration restored = decodeConfiguration(*bytes);
    update([&restored](UserConfiguration& configuration) { configuration = restored; });
}

}  // namespace tundle
