/* SB Matching Art Suite, version 7: Art matching specifications, nested art included. */
#ifndef SCRIBERA_SBMATCHINGARTSUITE_H
#define SCRIBERA_SBMATCHINGARTSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBMatchingArtSuite "SB Matching Art Suite"
#define kSBMatchingArtSuiteVersion 7

typedef struct SBMatchingArtSuite {
    /* The matches, in document order; `*matches` is freed with the SB MdMemory Suite. */
    SBErr (*GetMatchingArt)(const SBMatchingArtSpec* criteria, int16_t numSpecs, SBArtHandle** matches,
                            int32_t* numMatches);
} SBMatchingArtSuite;

#ifdef __cplusplus
}
#endif
#endif
