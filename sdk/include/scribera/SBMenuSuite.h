/* SB Menu Suite, version 11: Menu items. */
#ifndef SCRIBERA_SBMENUSUITE_H
#define SCRIBERA_SBMENUSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBMenuSuite "SB Menu Suite"
#define kSBMenuSuiteVersion 11

typedef struct SBMenuSuite {
    /* The host enables the item by these criteria (the host's numbers). */
    SBErr (*UpdateMenuItemAutomatically)(SBMenuItemHandle item, int32_t action, int32_t ifObjectIsInArtwork,
                                         int32_t ifObjectIsNotInArtwork, int32_t ifSelectedArtObjects,
                                         int32_t ifNotSelectedArtObjects, int32_t ifIsTrue, int32_t ifIsNotTrue);
} SBMenuSuite;

#ifdef __cplusplus
}
#endif
#endif
