#include "fuzz/FuzzInput.h"
#include "room/WeatherSnapshot.h"

using namespace tundle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WeatherSnapshot snapshot;
    try {
        snapshot = WeatherSnapshot::decode(fuzz::input(data, size));
        snapshot.validate(WeatherLocation::cities()[0],
                          QDateTime(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC));
    } catch (const std::exception&) {
        return 0;
    }
    const QByteArray encoded = snapshot.encoded();
    fuzz::require(WeatherSnapshot::decode(encoded).encoded() == encoded);
    return 0;
}
