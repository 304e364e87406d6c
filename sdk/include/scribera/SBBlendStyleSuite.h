/* SB Blend Style Suite, version 5: Blending attributes: opacity and blend mode. */
#ifndef SCRIBERA_SBBLENDSTYLESUITE_H
#define SCRIBERA_SBBLENDSTYLESUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBBlendStyleSuite "SB Blend Style Suite"
#define kSBBlendStyleSuiteVersion 5

typedef struct SBBlendStyleSuite {
    SBErr (*CopyBlendingAttributes)(SBArtHandle from, SBArtHandle to);
    SBErr (*GetOpacity)(SBArtHandle art, double* opacity);
    SBErr (*SetOpacity)(SBArtHandle art, double opacity);
} SBBlendStyleSuite;

#ifdef __cplusplus
}
#endif
#endif
