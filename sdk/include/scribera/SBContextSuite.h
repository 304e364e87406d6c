/* SB Context Suite, version 7: The application context a plug-in works in outside a host message. */
#ifndef SCRIBERA_SBCONTEXTSUITE_H
#define SCRIBERA_SBCONTEXTSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBContextSuite "SB Context Suite"
#define kSBContextSuiteVersion 7

typedef struct SBContextSuite {
    SBErr (*PushAppContext)(SBPluginRef plugin, SBAppContext* context);
    SBErr (*PopAppContext)(SBAppContext context);
} SBContextSuite;

#ifdef __cplusplus
}
#endif
#endif
