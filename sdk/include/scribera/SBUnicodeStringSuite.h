/* SB Unicode String Suite, version 8: Host text objects. */
#ifndef SCRIBERA_SBUNICODESTRINGSUITE_H
#define SCRIBERA_SBUNICODESTRINGSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBUnicodeStringSuite "SB Unicode String Suite"
#define kSBUnicodeStringSuiteVersion 8

typedef struct SBUnicodeStringSuite {
    /* From 8-bit text in the system code page. */
    SBErr (*NewFromSystemText)(const char* text, SBUnicodeStringRef* string);
    SBErr (*GetUTF8)(SBUnicodeStringRef string, const char** text);
    SBErr (*Dispose)(SBUnicodeStringRef string);
} SBUnicodeStringSuite;

#ifdef __cplusplus
}
#endif
#endif
