#pragma once

namespace tundle {

// Hands the heap's free pages back to the system. The allocator keeps what a large view freed
// for later use, so a control centre closed for the day would otherwise go on counting in the
// process's resident memory.
void returnFreedMemory();

}  // namespace tundle
