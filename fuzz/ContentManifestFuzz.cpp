#include "content/ContentRelease.h"
#include "fuzz/FuzzInput.h"
#include "support/JsonWriter.h"

using namespace tundle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ContentRelease release;
    try {
        release = ContentRelease::fromJson(JsonObject::parse(fuzz::input(data, size)));
    } catch (const std::exception&) {
        return 0;
    }
    fuzz::require(ContentRelease::fromJson(
                      JsonObject::parse(JsonWriter::compact(release.toJson()))) == release);
    return 0;
}
