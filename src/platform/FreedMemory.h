#pragma once

namespace tundle {

// Hands the heap's free pages back to the system. The allocator keeps what a large view freed
// for later use, so a control centre closed for the day would otherwise go on counting in the
// process's resident memory.
void returnFreedMemory();

// Gives every large block (pictures, frames, window contents) a mapping of its own that goes back
// to the system the moment it is freed. By default the allocator raises that threshold after the
// first large block is freed, after which pictures land in the heap and leave it full of holes
// it cannot hand back: a day of use grew the process by tens of megabytes that way.
void returnLargeBlocksWhenFreed();

}  // namespace tundle
