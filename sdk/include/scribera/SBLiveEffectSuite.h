/* SB Live Effect Suite, version 6: Live effects. */
#ifndef SCRIBERA_SBLIVEEFFECTSUITE_H
#define SCRIBERA_SBLIVEEFFECTSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBLiveEffectSuite "SB Live Effect Suite"
#define kSBLiveEffectSuiteVersion 6

typedef struct SBLiveEffectData {
    SBPluginRef self;
    const char* name;
    const char* title;
    int32_t majorVersion;
    int32_t minorVersion;
    int32_t preferredInputs; /* the host's input kinds */
    int32_t styleFilterFlags;
} SBLiveEffectData;

typedef struct SBLiveEffectMenuData {
    const char* category;
    const char* title;
    int32_t options;
} SBLiveEffectMenuData;

typedef struct SBLiveEffectSuite {
    SBErr (*AddLiveEffect)(const SBLiveEffectData* definition, SBLiveEffectHandle* effect);
    SBErr (*AddLiveEffectMenuItem)(SBLiveEffectHandle effect, const char* itemName, const SBLiveEffectMenuData* data,
                                   SBMenuItemHandle* menuItem);
    /* The parameters of the request named by `context` have changed. */
    SBErr (*UpdateParameters)(SBLiveEffectParamContext context);
} SBLiveEffectSuite;

#ifdef __cplusplus
}
#endif
#endif
