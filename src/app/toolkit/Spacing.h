#pragma once

namespace tundle {

// The spacing scale of the control centre and the editors, in points: the gaps between the
// items of a stack and the margins the pages use again and again. A gap used once stays beside
// its view.
namespace Spacing {
// Between a title and the line that belongs to it.
inline constexpr int tight = 5;
// Between the items of a compact row or list.
inline constexpr int small = 8;
// Between the cards of a list and the parts of a control.
inline constexpr int medium = 10;
// Between the controls of a row.
inline constexpr int regular = 12;
// Around the content of a card, and between loose groups.
inline constexpr int wide = 16;
// Around the content of a sheet.
inline constexpr int sheet = 24;
}  // namespace Spacing

}  // namespace tundle
