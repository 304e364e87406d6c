/* SB Filter Suite, version 4: Filters (acquired, not called). */
#ifndef SCRIBERA_SBFILTERSUITE_H
#define SCRIBERA_SBFILTERSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBFilterSuite "SB Filter Suite"
#define kSBFilterSuiteVersion 4

typedef struct SBFilterSuite {
    void* reserved;
} SBFilterSuite;

#ifdef __cplusplus
}
#endif
#endif
