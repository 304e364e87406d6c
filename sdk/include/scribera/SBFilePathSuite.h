/* SB File Path Suite, version 5: File paths (acquired, not called). */
#ifndef SCRIBERA_SBFILEPATHSUITE_H
#define SCRIBERA_SBFILEPATHSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBFilePathSuite "SB File Path Suite"
#define kSBFilePathSuiteVersion 5

typedef struct SBFilePathSuite {
    void* reserved;
} SBFilePathSuite;

#ifdef __cplusplus
}
#endif
#endif
