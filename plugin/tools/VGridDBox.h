// The grid's panel controller.
#pragma once

#include "tools/VGrid.h"
#include "tools/VShapeToolDBox.h"

using VGridDBox = VShapeToolDBox<GridParams>;
extern const ShapePanelFields<GridParams> kGridPanel;
