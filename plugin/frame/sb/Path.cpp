#include "frame/sb/Path.h"

#include "frame/Suites.h"
#include "frame/sb/Art.h"

namespace sb {
using detail::Require;

int16_t GetPathSegmentCount(SBArtHandle path) {
    int16_t count = 0;
    CheckHostResult(Require(sPath).GetPathSegmentCount(path, &count));
    return count;
}

void SetPathSegmentCount(SBArtHandle path, int16_t count) {
    CheckHostResult(Require(sPath).SetPathSegmentCount(path, count));
}

void GetPathSegments(SBArtHandle path, int16_t index, int16_t count, SBPathSegment* segments) {
    CheckHostResult(Require(sPath).GetPathSegments(path, index, count, segments));
}

void SetPathSegments(SBArtHandle path, int16_t index, int16_t count, const SBPathSegment* segments) {
    CheckHostResult(Require(sPath).SetPathSegments(path, index, count, segments));
}

bool GetPathClosed(SBArtHandle path) {
    SBBool closed = 0;
    CheckHostResult(Require(sPath).GetPathClosed(path, &closed));
    return closed != 0;
}

void SetPathClosed(SBArtHandle path, bool closed) {
    CheckHostResult(Require(sPath).SetPathClosed(path, closed ? 1 : 0));
}

void ReversePathSegments(SBArtHandle path) { CheckHostResult(Require(sPath).ReversePathSegments(path)); }

}  // namespace sb
