/* SB Folders Suite, version 5: The host's folders. */
#ifndef SCRIBERA_SBFOLDERSSUITE_H
#define SCRIBERA_SBFOLDERSSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBFoldersSuite "SB Folders Suite"
#define kSBFoldersSuiteVersion 5

typedef struct SBFoldersSuite {
    /* Full path of the folder of `type` (0: the folder of the panel-bridge library), NUL-terminated.
       Fails with SB_ERR_RANGE when it does not fit in `size` bytes. */
    SBErr (*FindFolder)(int32_t type, SBBool createIfMissing, char* path, int32_t size);
} SBFoldersSuite;

#ifdef __cplusplus
}
#endif
#endif
