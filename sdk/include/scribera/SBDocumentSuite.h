/* SB Document Suite, version 16: The current document. */
#ifndef SCRIBERA_SBDOCUMENTSUITE_H
#define SCRIBERA_SBDOCUMENTSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBDocumentSuite "SB Document Suite"
#define kSBDocumentSuiteVersion 16

typedef struct SBDocumentSuite {
    SBErr (*GetDocumentSize)(double* width, double* height);
    /* The page origin (ruler origin). */
    SBErr (*GetDocumentRulerOrigin)(SBRealPoint* origin);
    /* SB_MODEL_GRAY, SB_MODEL_RGB or SB_MODEL_CMYK. */
    SBErr (*GetDocumentColorModel)(int32_t* model);
} SBDocumentSuite;

#ifdef __cplusplus
}
#endif
#endif
