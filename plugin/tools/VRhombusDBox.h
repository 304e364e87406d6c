// The rhombus's panel controller.
#pragma once

#include "tools/VRhombus.h"
#include "tools/VShapeToolDBox.h"

using VRhombusDBox = VShapeToolDBox<RhombusParams>;
extern const ShapePanelFields<RhombusParams> kRhombusPanel;
