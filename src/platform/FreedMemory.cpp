#include "platform/FreedMemory.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>
#include <string>

// Any C library header says whether this is glibc.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tundle {

namespace {

// The allocator's own starting threshold; setting it explicitly keeps it from moving.
constexpr int largeBlock = 128 * 1024;

bool endsWithFontSuffix(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) {
        return false;
    }
    std::string suffix(path.substr(dot + 1));
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return suffix == "ttf" || suffix == "ttc" || suffix == "otf" || suffix == "otc";
}

std::string_view nextField(std::string_view& line) {
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        line = {};
        return {};
    }
    line.remove_prefix(start);
    const std::size_t end = std::min(line.find(' '), line.size());
    const std::string_view field = line.substr(0, end);
    line.remove_prefix(end);
    return field;
}

bool parseAddress(std::string_view text, std::uintptr_t& address) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), address, 16);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::vector<MappedRange> readOnlyFontMappings(std::string_view maps) {
    std::vector<MappedRange> ranges;
    while (!maps.empty()) {
        const std::size_t newline = std::min(maps.find('\n'), maps.size());
        std::string_view line = maps.substr(0, newline);
        maps.remove_prefix(std::min(newline + 1, maps.size()));
        const std::string_view addresses = nextField(line);
        const std::string_view permissions = nextField(line);
        for (int skipped = 0; skipped < 3; ++skipped) {
            nextField(line);  // offset, device, inode
        }
        const std::size_t path = line.find_first_not_of(' ');
        const std::size_t dash = addresses.find('-');
        MappedRange range;
        if (path == std::string_view::npos || dash == std::string_view::npos ||
            permissions.size() < 2 || permissions[1] != '-' ||
            !endsWithFontSuffix(line.substr(path)) ||
            !parseAddress(addresses.substr(0, dash), range.begin) ||
            !parseAddress(addresses.substr(dash + 1), range.end) || range.end <= range.begin) {
            continue;
        }
        ranges.push_back(range);
    }
    return ranges;
}

void returnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
#if defined(__linux__)
    std::ifstream file("/proc/self/maps");
    const std::string maps{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    for (const MappedRange& range : readOnlyFontMappings(maps)) {
        madvise(reinterpret_cast<void*>(range.begin), range.end - range.begin, MADV_DONTNEED);
    }
#endif
}

void returnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, largeBlock);
#endif
}

}  // namespace tundle
