#pragma once

#include <QPointF>
#include <vector>

namespace tundle {

// Where the shortcut bubbles float in their area (top-left origin, y downward): greedy rows
// of at most three, the first row lowest and the rest stacked upward, split into pages.
class PackedShortcutLayout {
public:
    static constexpr int rowLimit = 3;
    static constexpr double spacing = 10;

    struct Placement {
        int index = 0;
        QPointF point;

        bool operator==(const Placement&) const = default;
    };

    // `widths`: each bubble's width in pinned order; `width` × `height`: the bubble area.
    PackedShortcutLayout(std::vector<double> widths, double width, double height);

    double width() const { return width_; }
    double height() const { return height_; }
    const std::vector<std::vector<int>>& rows() const { return rows_; }
    double rowHeight() const { return height_ >= 160 ? 66 : 56; }
    int rowsPerPage() const;
    int pageCount() const;
    // A page asked for past the end shows the last one.
    int clampedPage(int page) const;
    // The bubble centres of one page, row by row, each row from left to right.
    std::vector<Placement> placements(int page) const;

private:
    std::vector<double> widths_;
    double width_;
    double height_;
    std::vector<std::vector<int>> rows_;
};

}  // namespace tundle
