/* SB Path Suite, version 11: Path geometry. */
#ifndef SCRIBERA_SBPATHSUITE_H
#define SCRIBERA_SBPATHSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBPathSuite "SB Path Suite"
#define kSBPathSuiteVersion 11

typedef struct SBPathSuite {
    SBErr (*GetPathSegmentCount)(SBArtHandle path, int16_t* count);
    /* Anchors beyond the new count are dropped; new ones are copies of the last (or zero). */
    SBErr (*SetPathSegmentCount)(SBArtHandle path, int16_t count);
    SBErr (*GetPathSegments)(SBArtHandle path, int16_t index, int16_t count, SBPathSegment* segments);
    SBErr (*SetPathSegments)(SBArtHandle path, int16_t index, int16_t count, const SBPathSegment* segments);
    SBErr (*GetPathClosed)(SBArtHandle path, SBBool* closed);
    SBErr (*SetPathClosed)(SBArtHandle path, SBBool closed);
    /* Reverses the order of the anchors and swaps each anchor's in and out. */
    SBErr (*ReversePathSegments)(SBArtHandle path);
} SBPathSuite;

#ifdef __cplusplus
}
#endif
#endif
