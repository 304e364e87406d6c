/* SB String Format Utils Suite, version 3: Number formatting (acquired, not called). */
#ifndef SCRIBERA_SBSTRINGFORMATUTILSSUITE_H
#define SCRIBERA_SBSTRINGFORMATUTILSSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBStringFormatUtilsSuite "SB String Format Utils Suite"
#define kSBStringFormatUtilsSuiteVersion 3

typedef struct SBStringFormatUtilsSuite {
    void* reserved;
} SBStringFormatUtilsSuite;

#ifdef __cplusplus
}
#endif
#endif
