// The spiral's panel controller.
#pragma once

#include "tools/VSpiral.h"
#include "tools/VShapeToolDBox.h"

using VSpiralDBox = VShapeToolDBox<SpiralParams>;
extern const ShapePanelFields<SpiralParams> kSpiralPanel;
