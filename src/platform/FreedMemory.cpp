#include "platform/FreedMemory.h"

// Any C library header says whether this is glibc.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tundle {

namespace {

// The allocator's own starting threshold; setting it explicitly keeps it from moving.
constexpr int largeBlock = 128 * 1024;

}  // namespace

void returnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void returnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, largeBlock);
#endif
}

}  // namespace tundle
