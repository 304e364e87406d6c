/* SB Group Suite, version 5: Groups. */
#ifndef SCRIBERA_SBGROUPSUITE_H
#define SCRIBERA_SBGROUPSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBGroupSuite "SB Group Suite"
#define kSBGroupSuiteVersion 5

typedef struct SBGroupSuite {
    SBErr (*GetGroupClipped)(SBArtHandle group, SBBool* clipped);
    SBErr (*SetGroupClipped)(SBArtHandle group, SBBool clipped);
} SBGroupSuite;

#ifdef __cplusplus
}
#endif
#endif
