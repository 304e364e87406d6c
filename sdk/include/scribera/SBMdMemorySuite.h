/* SB MdMemory Suite, version 3: Memory the host hands out. */
#ifndef SCRIBERA_SBMDMEMORYSUITE_H
#define SCRIBERA_SBMDMEMORYSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBMdMemorySuite "SB MdMemory Suite"
#define kSBMdMemorySuiteVersion 3

typedef struct SBMdMemorySuite {
    SBErr (*MdMemoryDisposeHandle)(void* handle);
} SBMdMemorySuite;

#ifdef __cplusplus
}
#endif
#endif
