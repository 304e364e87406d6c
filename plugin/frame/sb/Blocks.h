// Long-lived memory blocks from the host.
#pragma once

#include <cstddef>

namespace sb {
// A block of `size` bytes from the SB Block Suite, cleared to zero.
void* AllocateBlock(size_t size);
void DisposeBlock(void* block);
}  // namespace sb
