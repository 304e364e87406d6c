/* SB Dictionary Suite, version 8: Keyed values of a live-effect instance. */
#ifndef SCRIBERA_SBDICTIONARYSUITE_H
#define SCRIBERA_SBDICTIONARYSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBDictionarySuite "SB Dictionary Suite"
#define kSBDictionarySuiteVersion 8

typedef struct SBDictionarySuite {
    /* Keys are made from names and live as long as the host. */
    SBErr (*Key)(const char* name, SBDictKey* key);
    SBErr (*IsKnown)(SBDictionaryRef dictionary, SBDictKey key, SBBool* known);
    SBErr (*GetRealEntry)(SBDictionaryRef dictionary, SBDictKey key, double* value);
    SBErr (*SetRealEntry)(SBDictionaryRef dictionary, SBDictKey key, double value);
    SBErr (*GetIntegerEntry)(SBDictionaryRef dictionary, SBDictKey key, int32_t* value);
    SBErr (*SetIntegerEntry)(SBDictionaryRef dictionary, SBDictKey key, int32_t value);
    SBErr (*GetBooleanEntry)(SBDictionaryRef dictionary, SBDictKey key, SBBool* value);
    SBErr (*SetBooleanEntry)(SBDictionaryRef dictionary, SBDictKey key, SBBool value);
} SBDictionarySuite;

#ifdef __cplusplus
}
#endif
#endif
