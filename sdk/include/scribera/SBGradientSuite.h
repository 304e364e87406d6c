/* SB Gradient Suite, version 9: Gradients. */
#ifndef SCRIBERA_SBGRADIENTSUITE_H
#define SCRIBERA_SBGRADIENTSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBGradientSuite "SB Gradient Suite"
#define kSBGradientSuiteVersion 9

typedef struct SBGradientSuite {
    SBErr (*GetGradientType)(SBGradientHandle gradient, int16_t* kind);
    SBErr (*GetGradientStopCount)(SBGradientHandle gradient, int16_t* count);
    SBErr (*GetNthGradientStop)(SBGradientHandle gradient, int16_t n, SBGradientStop* stop);
} SBGradientSuite;

#ifdef __cplusplus
}
#endif
#endif
