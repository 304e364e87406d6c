// The mirror engine moves its axis 0.01 toward the kept side when a path starts on it. The tiling
// cuts its own cut pieces again along lines through their corners: those pieces are restarted at
// an anchor off the axis first, so that cells and the extent's edges meet exactly.
#pragma once

#include "geometry/ItemArray.h"
#include "mirror/MirrorParams.h"

// Each closed path of the list that starts within the engine's reach of the axis the parameters
// give is made to start at its first anchor clear of it; the shape does not change.
void RestartClosedPathsOffAxis(const ArtList& paths, const MirrorParams& params);
