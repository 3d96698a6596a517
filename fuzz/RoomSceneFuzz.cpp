#include "fuzz/FuzzInput.h"
#include "room/RoomSceneDefinition.h"
#include "support/JsonWriter.h"

using namespace tundle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RoomSceneDefinition scene;
    try {
        scene = RoomSceneDefinition::fromJson(JsonObject::parse(fuzz::input(data, size)));
        scene.validate();
    } catch (const std::exception&) {
        return 0;
    }
    const QByteArray encoded = JsonWriter::compact(scene.toJson());
    const RoomSceneDefinition again = RoomSceneDefinition::fromJson(JsonObject::parse(encoded));
    fuzz::require(JsonWriter::compact(again.toJson()) == encoded);
    return 0;
}
