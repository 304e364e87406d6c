// The wave's panel controller.
#pragma once

#include "tools/VWave.h"
#include "tools/VShapeToolDBox.h"

using VWaveDBox = VShapeToolDBox<WaveParams>;
extern const ShapePanelFields<WaveParams> kWavePanel;
