#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace tundle {

// The clips every pack is expected to offer in the action list, in their default order.
struct PetActionDefault {
    const char* clip;
    const char* title;

    // The rank (index in the table) and row of a clip, or nothing when it has no row.
    static std::optional<std::pair<int, PetActionDefault>> of(QStringView clip);
    QString titleText() const { return QString::fromUtf8(title); }
};

inline constexpr std::array<PetActionDefault, 9> petActionDefaults{{
    {"drink", "喝水"},
    {"stretch", "伸展"},
    {"dance", "舞蹈"},
    {"jump", "小跳"},
    {"eating", "吃文件"},
    {"poof", "噗～"},
    {"loosen_soil", "松土"},
    {"sow", "播种"},
    {"water", "浇水"},
}};

}  // namespace tundle
