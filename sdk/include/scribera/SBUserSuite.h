/* SB User Suite, version 12: Alerts, questions and cursor resources. */
#ifndef SCRIBERA_SBUSERSUITE_H
#define SCRIBERA_SBUSERSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBUserSuite "SB User Suite"
#define kSBUserSuiteVersion 12

typedef struct SBUserSuite {
    SBErr (*ErrorAlert)(SBUnicodeStringRef text);
    /* answer: 1 for yes, 0 for no */
    SBErr (*QuestionAlert)(SBUnicodeStringRef text, int32_t* answer);
    SBErr (*CreateCursorResourceManager)(SBPluginRef plugin, SBCursorResource* resource);
    SBErr (*DisposeCursorResourceManager)(SBCursorResource resource);
} SBUserSuite;

#ifdef __cplusplus
}
#endif
#endif
