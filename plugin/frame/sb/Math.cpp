#include "frame/sb/Math.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"
#include "frame/sb/Art.h"

namespace sb {

SBRealRect RealRectUnion(const SBRealRect& a, const SBRealRect& b) {
    SBRealRect result{};
    CheckHostResult(HeldSuite(sRealMath).RealRectUnion(&a, &b, &result));
    return result;
}

bool RealRectOverlap(const SBRealRect& a, const SBRealRect& b) {
    SBBool overlap = 0;
    CheckHostResult(HeldSuite(sRealMath).RealRectOverlap(&a, &b, &overlap));
    return overlap != 0;
}

void RealMatrixSetTranslate(SBRealMatrix* m, double tx, double ty) {
    CheckHostResult(HeldSuite(sRealMath).RealMatrixSetTranslate(m, tx, ty));
}

void RealMatrixSetIdentity(SBRealMatrix* m) { CheckHostResult(HeldSuite(sRealMath).RealMatrixSetIdentity(m)); }

void RealMatrixConcatTranslate(SBRealMatrix* m, double tx, double ty) {
    CheckHostResult(HeldSuite(sRealMath).RealMatrixConcatTranslate(m, tx, ty));
}

void RealMatrixConcatScale(SBRealMatrix* m, double sx, double sy) {
    CheckHostResult(HeldSuite(sRealMath).RealMatrixConcatScale(m, sx, sy));
}

void RealMatrixConcatRotate(SBRealMatrix* m, double radians) {
    CheckHostResult(HeldSuite(sRealMath).RealMatrixConcatRotate(m, radians));
}

}  // namespace sb
