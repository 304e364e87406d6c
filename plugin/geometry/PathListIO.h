// Path lists read from and written to host paths.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"
#include "geometry/PathList.h"

#include <cstdint>

// The path's segments and closed flag; degenerate segments are dropped, corner flags are not kept.
// A path of more anchors than ZPathList::kMaxAnchors is never read in part: the host refuses its
// count, and that error is raised.
ZPathList ReadPathList(ArtHandle path);
// Read as ReadPathList, then closed with a virtual segment when the path was open.
ZPathListV ReadPathListV(ArtHandle path);

// Replaces the path's anchors and closed flag, merging straight collinear runs in the list first
// (the list keeps the merge). False, with the path untouched, when fewer than two anchors would
// result; raises HostError (SB_ERR_RANGE), with the path untouched, when more than
// ZPathList::kMaxAnchors would.
bool WritePathList(ZPathList& list, ArtHandle path);

// New host paths (placed with `order` relative to `reference`, wearing its blending and art
// style) for the list: one closed path when no segment is virtual, otherwise one open path per
// run of visible segments. Each new path is appended to `out`. An empty list makes nothing; one
// that WritePathList would refuse raises its error before any path is made.
void WriteAsNewPaths(ZPathListV& list, int16_t order, ArtHandle reference, ArtList& out);
