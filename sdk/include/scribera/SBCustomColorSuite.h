/* SB Custom Color Suite, version 8: Named custom colours. */
#ifndef SCRIBERA_SBCUSTOMCOLORSUITE_H
#define SCRIBERA_SBCUSTOMCOLORSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBCustomColorSuite "SB Custom Color Suite"
#define kSBCustomColorSuiteVersion 8

typedef struct SBCustomColorSuite {
    /* The definition: kind SB_COLOR_FOUR or SB_COLOR_THREE, with its values. */
    SBErr (*GetCustomColor)(SBCustomColorHandle color, SBColor* definition);
    SBErr (*GetCustomColorName)(SBCustomColorHandle color, const char** name);
} SBCustomColorSuite;

#ifdef __cplusplus
}
#endif
#endif
