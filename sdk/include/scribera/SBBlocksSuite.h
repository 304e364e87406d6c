/* XQ Blocks Suite, version 2: Memory blocks for host text objects. */
#ifndef SCRIBERA_SBBLOCKSSUITE_H
#define SCRIBERA_SBBLOCKSSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBBlocksSuite "XQ Blocks Suite"
#define kSBBlocksSuiteVersion 2

typedef struct SBBlocksSuite {
    SBErr (*AllocateBlock)(size_t size, void** block);
    SBErr (*DisposeBlock)(void* block);
} SBBlocksSuite;

#ifdef __cplusplus
}
#endif
#endif
