/* SB Art Style Suite, version 7: Art styles. */
#ifndef SCRIBERA_SBARTSTYLESUITE_H
#define SCRIBERA_SBARTSTYLESUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBArtStyleSuite "SB Art Style Suite"
#define kSBArtStyleSuiteVersion 7

typedef struct SBArtStyleSuite {
    SBErr (*GetCurrentArtStyle)(SBArtStyleHandle* style);
    SBErr (*GetArtStyle)(SBArtHandle art, SBArtStyleHandle* style);
    SBErr (*SetArtStyle)(SBArtHandle art, SBArtStyleHandle style);
} SBArtStyleSuite;

#ifdef __cplusplus
}
#endif
#endif
