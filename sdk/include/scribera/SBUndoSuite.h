/* SB Undo Suite, version 7: Undo entries of the current document. */
#ifndef SCRIBERA_SBUNDOSUITE_H
#define SCRIBERA_SBUNDOSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBUndoSuite "SB Undo Suite"
#define kSBUndoSuiteVersion 7

typedef struct SBUndoSuite {
    /* Names of the entry the current transaction becomes. */
    SBErr (*SetUndoTextUS)(SBUnicodeStringRef undoText, SBUnicodeStringRef redoText);
    /* Reverts what the current transaction has changed so far. */
    SBErr (*UndoChanges)(void);
} SBUndoSuite;

#ifdef __cplusplus
}
#endif
#endif
