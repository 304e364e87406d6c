// Path geometry through the SB Path Suite.
#pragma once

#include <scribera/SBTypes.h>

#include <cstdint>

namespace sb {

int16_t GetPathSegmentCount(SBArtHandle path);
void SetPathSegmentCount(SBArtHandle path, int16_t count);
void GetPathSegments(SBArtHandle path, int16_t index, int16_t count, SBPathSegment* segments);
void SetPathSegments(SBArtHandle path, int16_t index, int16_t count, const SBPathSegment* segments);
bool GetPathClosed(SBArtHandle path);
void SetPathClosed(SBArtHandle path, bool closed);
void ReversePathSegments(SBArtHandle path);

}  // namespace sb
