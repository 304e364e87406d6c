// The rose's panel controller.
#pragma once

#include "tools/VRose.h"
#include "tools/VShapeToolDBox.h"

using VRoseDBox = VShapeToolDBox<RoseParams>;
extern const ShapePanelFields<RoseParams> kRosePanel;
