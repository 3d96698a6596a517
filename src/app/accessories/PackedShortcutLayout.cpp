#include "accessories/PackedShortcutLayout.h"

#include <algorithm>
#include <cmath>

namespace tundle {

PackedShortcutLayout::PackedShortcutLayout(std::vector<double> widths, double width, double height)
    : widths_(std::move(widths)), width_(width), height_(height) {
    std::vector<int> row;
    double used = 0;
    for (int i = 0; i < int(widths_.size()); ++i) {
        const double w = widths_[std::size_t(i)];
        // The first bubble of a row always stays, however wide; an exact fit stays too.
        if (!row.empty() && (int(row.size()) == rowLimit || used + spacing + w > width_)) {
            rows_.push_back(std::move(row));
            row.clear();
            used = 0;
        }
        used += row.empty() ? w : spacing + w;
        row.push_back(i);
    }
    if (!row.empty()) {
        rows_.push_back(std::move(row));
    }
}

int PackedShortcutLayout::rowsPerPage() const {
    return std::max(int(std::floor(std::max(height_ - 36, 46.0) / rowHeight())), 1);
}

int PackedShortcutLayout::pageCount() const {
    const int perPage = rowsPerPage();
    return std::max((int(rows_.size()) + perPage - 1) / perPage, 1);
}

int PackedShortcutLayout::clampedPage(int page) const {
    return std::clamp(page, 0, pageCount() - 1);
}

std::vector<PackedShortcutLayout::Placement> PackedShortcutLayout::placements(int page) const {
    std::vector<Placement> result;
    const int perPage = rowsPerPage();
    const int first = std::min(std::max(page, 0) * perPage, int(rows_.size()));
    const int last = std::min(first + perPage, int(rows_.size()));
    for (int r = 0; r < last - first; ++r) {
        const std::vector<int>& row = rows_[std::size_t(first + r)];
        double total = 0;
        for (int index : row) {
            total += widths_[std::size_t(index)];
        }
        const double y = height_ - 24 - rowHeight() * r;
        // The middle bubble of a full row floats a little higher where there is room.
        const double lift = height_ >= 160 && int(row.size()) == rowLimit ? 10 : 0;
        double x = (width_ - (double(row.size() - 1) * spacing + total)) / 2;
        for (std::size_t j = 0; j < row.size(); ++j) {
            const double w = widths_[std::size_t(row[j])];
            result.push_back({row[j], QPointF(x + w / 2, j == 1 ? y - lift : y)});
            x += w + spacing;
        }
    }
    return result;
}

}  // namespace tundle
