#include "frame/sb/Blocks.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"

#include <cstring>

namespace sb {

void* AllocateBlock(size_t size) {
    void* block = nullptr;
    CheckHostResult(HeldSuite(sBlock).AllocateBlock(size, &block));
    if (!block) throw HostError(SB_ERR_MEMORY);
    // The host does not promise zeroed memory; callers rely on null fields.
    std::memset(block, 0, size);
    return block;
}

void DisposeBlock(void* block) { CheckHostResult(HeldSuite(sBlock).DisposeBlock(block)); }

}  // namespace sb
