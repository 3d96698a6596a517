#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>
#include <optional>

namespace tundle {

// The raw strings of an enumeration whose cases are numbered 0..N-1 in case order.
template <typename E, std::size_t N>
class EnumText {
public:
    constexpr explicit EnumText(std::array<const char*, N> raws) : raws_(raws) {}

    QString raw(E value) const {
        return QString::fromLatin1(raws_[static_cast<std::size_t>(value)]);
    }

    std::optional<E> parse(QStringView text) const {
        for (std::size_t i = 0; i < N; ++i) {
            if (text == QLatin1String(raws_[i])) {
                return static_cast<E>(i);
            }
        }
        return std::nullopt;
    }

    std::array<E, N> allCases() const {
        std::array<E, N> cases{};
        for (std::size_t i = 0; i < N; ++i) {
            cases[i] = static_cast<E>(i);
        }
        return cases;
    }

private:
    std::array<const char*, N> raws_;
};

}  // namespace tundle
