/* SB Real Math Suite, version 3: Rectangles and matrices. */
#ifndef SCRIBERA_SBREALMATHSUITE_H
#define SCRIBERA_SBREALMATHSUITE_H

#include "SBTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSBRealMathSuite "SB Real Math Suite"
#define kSBRealMathSuiteVersion 3

typedef struct SBRealMathSuite {
    SBErr (*RealRectUnion)(const SBRealRect* a, const SBRealRect* b, SBRealRect* result);
    SBErr (*RealRectOverlap)(const SBRealRect* a, const SBRealRect* b, SBBool* overlap);
    /* Sets the matrix to a plain translation (0, 0 gives the identity). */
    SBErr (*RealMatrixSetTranslate)(SBRealMatrix* m, double tx, double ty);
    SBErr (*RealMatrixSetIdentity)(SBRealMatrix* m);
    /* Each concatenation applies its step after the matrix's existing mapping. */
    SBErr (*RealMatrixConcatTranslate)(SBRealMatrix* m, double tx, double ty);
    SBErr (*RealMatrixConcatScale)(SBRealMatrix* m, double sx, double sy);
    SBErr (*RealMatrixConcatRotate)(SBRealMatrix* m, double radians);
} SBRealMathSuite;

#ifdef __cplusplus
}
#endif
#endif
