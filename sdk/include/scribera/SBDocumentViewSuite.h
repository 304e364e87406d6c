/* SB Document View Suite, version 13: Views of the current document. */
#ifndef SCRIBERA_SBDOCUMENTVIEWSUITE_H
#define SCRIBERA_SBDOCUMENTVIEWSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBDocumentViewSuite "SB Document View Suite"
#define kSBDocumentViewSuiteVersion 13

typedef struct SBDocumentViewSuite {
    /* A null view means the current view. */
    SBErr (*GetDocumentViewBounds)(SBDocumentViewHandle view, SBRealRect* bounds);
} SBDocumentViewSuite;

#ifdef __cplusplus
}
#endif
#endif
