#include "model/FarmCrop.h"

namespace tundle {

namespace {

struct CropFacts {
    const char* name;
    int price;
    double growth;
};

const CropFacts& facts(FarmCrop crop) {
    static constexpr CropFacts table[] = {
        {"小萝卜", 5, 300},
        {"玉米", 20, 1800},
        {"西瓜", 60, 7200},
    };
    return table[static_cast<int>(crop)];
}

}  // namespace

QString displayName(FarmCrop crop) {
    return QString::fromUtf8(facts(crop).name);
}

int salePrice(FarmCrop crop) {
    return facts(crop).price;
}

double growthSeconds(FarmCrop crop, bool watered) {
    return watered ? facts(crop).growth * 0.8 : facts(crop).growth;
}

}  // namespace tundle
