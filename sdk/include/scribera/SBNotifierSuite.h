/* SB Notifier Suite, version 4: Notifications the host sends to plug-ins. */
#ifndef SCRIBERA_SBNOTIFIERSUITE_H
#define SCRIBERA_SBNOTIFIERSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBNotifierSuite "SB Notifier Suite"
#define kSBNotifierSuiteVersion 4

typedef struct SBNotifierSuite {
    /* The host sends "SB Notifier" / "SB Notify" with the handle whenever `type` is notified. */
    SBErr (*AddNotifier)(SBPluginRef plugin, const char* name, const char* type, SBNotifierHandle* notifier);
} SBNotifierSuite;

#ifdef __cplusplus
}
#endif
#endif
