// Rectangles and matrices through the SB Real Math Suite.
#pragma once

#include <scribera/SBTypes.h>

namespace sb {

SBRealRect RealRectUnion(const SBRealRect& a, const SBRealRect& b);
bool RealRectOverlap(const SBRealRect& a, const SBRealRect& b);
void RealMatrixSetTranslate(SBRealMatrix* m, double tx, double ty);
void RealMatrixSetIdentity(SBRealMatrix* m);
// Each concatenation applies its step after the matrix's existing mapping.
void RealMatrixConcatTranslate(SBRealMatrix* m, double tx, double ty);
void RealMatrixConcatScale(SBRealMatrix* m, double sx, double sy);
void RealMatrixConcatRotate(SBRealMatrix* m, double radians);

}  // namespace sb
