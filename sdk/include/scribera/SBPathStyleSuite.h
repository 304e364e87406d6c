/* SB Path Style Suite, version 13: Paint of paths. */
#ifndef SCRIBERA_SBPATHSTYLESUITE_H
#define SCRIBERA_SBPATHSTYLESUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBPathStyleSuite "SB Path Style Suite"
#define kSBPathStyleSuiteVersion 13

typedef struct SBPathStyleSuite {
    SBErr (*GetPathStyle)(SBArtHandle path, SBPathStyle* style);
    SBErr (*SetPathStyle)(SBArtHandle path, const SBPathStyle* style);
    /* The document's paint for new art. */
    SBErr (*GetCurrentPathStyle)(SBPathStyle* style);
    SBErr (*SetCurrentPathStyle)(const SBPathStyle* style);
} SBPathStyleSuite;

#ifdef __cplusplus
}
#endif
#endif
