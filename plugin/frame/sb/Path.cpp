#include "frame/sb/Path.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"
#include "frame/sb/Art.h"

namespace sb {

int16_t GetPathSegmentCount(SBArtHandle path) {
    int16_t count = 0;
    CheckHostResult(HeldSuite(sPath).GetPathSegmentCount(path, &count));
    return count;
}

void SetPathSegmentCount(SBArtHandle path, int16_t count) {
    CheckHostResult(HeldSuite(sPath).SetPathSegmentCount(path, count));
}

void GetPathSegments(SBArtHandle path, int16_t index, int16_t count, SBPathSegment* segments) {
    CheckHostResult(HeldSuite(sPath).GetPathSegments(path, index, count, segments));
}

void SetPathSegments(SBArtHandle path, int16_t index, int16_t count, const SBPathSegment* segments) {
    CheckHostResult(HeldSuite(sPath).SetPathSegments(path, index, count, segments));
}

bool GetPathClosed(SBArtHandle path) {
    SBBool closed = 0;
    CheckHostResult(HeldSuite(sPath).GetPathClosed(path, &closed));
    return closed != 0;
}

void SetPathClosed(SBArtHandle path, bool closed) {
    CheckHostResult(HeldSuite(sPath).SetPathClosed(path, closed ? 1 : 0));
}

void ReversePathSegments(SBArtHandle path) { CheckHostResult(HeldSuite(sPath).ReversePathSegments(path)); }

}  // namespace sb
