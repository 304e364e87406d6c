/* SB Block Suite, version 4: Long-lived memory blocks. */
#ifndef SCRIBERA_SBBLOCKSUITE_H
#define SCRIBERA_SBBLOCKSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBBlockSuite "SB Block Suite"
#define kSBBlockSuiteVersion 4

typedef struct SBBlockSuite {
    SBErr (*AllocateBlock)(size_t size, void** block);
    SBErr (*DisposeBlock)(void* block);
} SBBlockSuite;

#ifdef __cplusplus
}
#endif
#endif
