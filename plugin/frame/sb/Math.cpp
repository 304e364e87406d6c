#include "frame/sb/Math.h"

#include "frame/Suites.h"
#include "frame/sb/Art.h"

namespace sb {
using detail::Require;

SBRealRect RealRectUnion(const SBRealRect& a, const SBRealRect& b) {
    SBRealRect result{};
    CheckHostResult(Require(sRealMath).RealRectUnion(&a, &b, &result));
    return result;
}

bool RealRectOverlap(const SBRealRect& a, const SBRealRect& b) {
    SBBool overlap = 0;
    CheckHostResult(Require(sRealMath).RealRectOverlap(&a, &b, &overlap));
    return overlap != 0;
}

void RealMatrixSetTranslate(SBRealMatrix* m, double tx, double ty) {
    CheckHostResult(Require(sRealMath).RealMatrixSetTranslate(m, tx, ty));
}

void RealMatrixSetIdentity(SBRealMatrix* m) { CheckHostResult(Require(sRealMath).RealMatrixSetIdentity(m)); }

void RealMatrixConcatTranslate(SBRealMatrix* m, double tx, double ty) {
    CheckHostResult(Require(sRealMath).RealMatrixConcatTranslate(m, tx, ty));
}

void RealMatrixConcatScale(SBRealMatrix* m, double sx, double sy) {
    CheckHostResult(Require(sRealMath).RealMatrixConcatScale(m, sx, sy));
}

void RealMatrixConcatRotate(SBRealMatrix* m, double radians) {
    CheckHostResult(Require(sRealMath).RealMatrixConcatRotate(m, radians));
}

}  // namespace sb
