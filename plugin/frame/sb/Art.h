// The art tree through the SB Art Suite. Every wrapper raises HostError for a non-zero result.
#pragma once

#include "geometry/Errors.h"

#include <scribera/SBTypes.h>

#include <cstdint>

namespace sb {

SBArtHandle NewArt(int16_t kind, int16_t placement, SBArtHandle reference);
void DisposeArt(SBArtHandle art);
void ReorderArt(SBArtHandle art, int16_t placement, SBArtHandle reference);
SBArtHandle DuplicateArt(SBArtHandle art, int16_t placement, SBArtHandle reference);
// The group holding a layer's art; null means the current layer.
SBArtHandle GetFirstArtOfLayer(SBLayerHandle layer);
SBArtHandle GetArtParent(SBArtHandle art);
SBArtHandle GetArtFirstChild(SBArtHandle art);
// The next object below; null when none.
SBArtHandle GetArtSibling(SBArtHandle art);
SBArtHandle GetArtPriorSibling(SBArtHandle art);
int16_t GetArtType(SBArtHandle art);
int32_t GetArtUserAttr(SBArtHandle art, int32_t whichAttr);
void SetArtUserAttr(SBArtHandle art, int32_t whichAttr, int32_t attr);
SBRealRect GetArtBounds(SBArtHandle art);
bool ValidArt(SBArtHandle art);

}  // namespace sb
