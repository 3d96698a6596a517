#include "content/ContentStoreState.h"
#include "fuzz/FuzzInput.h"

using namespace tundle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (const auto state = ContentStoreState::decode(fuzz::input(data, size))) {
        fuzz::require(ContentStoreState::decode(state->encode()) == state);
    }
    return 0;
}
