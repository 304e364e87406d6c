/* XQ Runtime Suite, version 6: The host runtime. */
#ifndef SCRIBERA_SBRUNTIMESUITE_H
#define SCRIBERA_SBRUNTIMESUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBRuntimeSuite "XQ Runtime Suite"
#define kSBRuntimeSuiteVersion 6

typedef struct SBRuntimeProcs {
    void* hostData;
    /* Shows `text` while the host starts up; kind 2 is progress text. */
    SBErr (*StartupNotification)(int32_t kind, const char* text, void* hostData);
} SBRuntimeProcs;

typedef struct SBRuntimeSuite {
    SBErr (*GetAppRuntimeProcs)(SBRuntimeProcs* procs);
} SBRuntimeSuite;

#ifdef __cplusplus
}
#endif
#endif
