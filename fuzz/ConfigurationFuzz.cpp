#include "config/ConfigurationCoding.h"
#include "fuzz/FuzzInput.h"

using namespace tundle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    UserConfiguration configuration;
    try {
        configuration = decodeConfiguration(fuzz::input(data, size));
    } catch (const std::exception&) {
        return 0;
    }
    // What loads and validates must save and load again unchanged.
    fuzz::require(decodeConfiguration(encodeConfiguration(configuration)) == configuration);
    return 0;
}
