#include <optional>

#include "config/ConfigurationPackage.h"
#include "fuzz/FuzzInput.h"

using namespace tundle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<ConfigurationPackage> package;
    try {
        package = ConfigurationPackage::decode(fuzz::input(data, size));
    } catch (const std::exception&) {
        return 0;
    }
    // What decodes must export, and the export must read back to the same file.
    const QByteArray bytes = package->encoded();
    fuzz::require(ConfigurationPackage::decode(bytes).encoded() == bytes);
    fuzz::require(!package->summary().isEmpty());
    // A merge may be refused with a message for the user; any other failure is a fault.
    try {
        package->applying(UserConfiguration());
    } catch (const UserFacingError&) {
    }
    return 0;
}
