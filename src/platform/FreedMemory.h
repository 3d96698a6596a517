#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tundle {

// Hands back to the system what the process holds without using it: the heap's free pages, and
// the pages of font files read so far. The allocator keeps what a large view freed for later
// use, and every glyph ever drawn leaves its part of the font files (some 20 MB each for the
// Chinese faces) counted in the process's resident memory, so a control centre closed for the
// day would otherwise go on counting there. The glyphs already drawn stay in Qt's cache; a new
// one reads its pages again, from the system's file cache as a rule. Call it on the main thread:
// it is the only one here that opens and closes fonts, so a font mapping it lists is still that
// font when its pages are dropped.
void returnFreedMemory();

// Gives every large block (pictures, frames, window contents) a mapping of its own that goes back
// to the system the moment it is freed. By default the allocator raises that threshold after the
// first large block is freed, after which pictures land in the heap and leave it full of holes
// it cannot hand back: a day of use grew the process by tens of megabytes that way.
void returnLargeBlocksWhenFreed();

struct MappedRange {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;

    bool operator==(const MappedRange&) const = default;
};

// The mappings of font files (TrueType and OpenType, collections too) that cannot be written, in
// a listing in the form of /proc/self/maps. Dropping their pages loses nothing: what is read
// again is the file itself.
std::vector<MappedRange> readOnlyFontMappings(std::string_view maps);

}  // namespace tundle
