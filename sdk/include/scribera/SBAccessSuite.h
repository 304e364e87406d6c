/* XQ Access Suite, version 3: Keeps a plug-in's code loaded. */
#ifndef SCRIBERA_SBACCESSSUITE_H
#define SCRIBERA_SBACCESSSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBAccessSuite "XQ Access Suite"
#define kSBAccessSuiteVersion 3

typedef struct SBAccessSuite {
    SBErr (*AcquirePlugin)(SBPluginRef plugin, SBAccessRef* access);
    SBErr (*ReleasePlugin)(SBAccessRef access);
} SBAccessSuite;

#ifdef __cplusplus
}
#endif
#endif
