/* XQ Plug-ins Suite, version 6: The host's record of its plug-ins. */
#ifndef SCRIBERA_SBPLUGINSSUITE_H
#define SCRIBERA_SBPLUGINSSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBPluginsSuite "XQ Plug-ins Suite"
#define kSBPluginsSuiteVersion 6

typedef struct SBPluginsSuite {
    SBErr (*SetPluginName)(SBPluginRef plugin, const char* name);
    SBErr (*GetPluginName)(SBPluginRef plugin, const char** name);
} SBPluginsSuite;

#ifdef __cplusplus
}
#endif
#endif
