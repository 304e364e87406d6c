/* SB Random Suite, version 5: Random numbers (acquired, not called). */
#ifndef SCRIBERA_SBRANDOMSUITE_H
#define SCRIBERA_SBRANDOMSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBRandomSuite "SB Random Suite"
#define kSBRandomSuiteVersion 5

typedef struct SBRandomSuite {
    void* reserved;
} SBRandomSuite;

#ifdef __cplusplus
}
#endif
#endif
