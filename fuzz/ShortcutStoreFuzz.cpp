#include "config/ShortcutStore.h"
#include "fuzz/FuzzInput.h"

using namespace tundle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ShortcutLists lists;
    try {
        lists = ShortcutStore::decode(fuzz::input(data, size));
    } catch (const std::exception&) {
        return 0;
    }
    // Decoding cleans the lists, so what it gives back must save and read back as it is.
    const ShortcutLists again = ShortcutStore::decode(ShortcutStore::encode(lists));
    fuzz::require(again.items == lists.items && again.groups == lists.groups);
    return 0;
}
