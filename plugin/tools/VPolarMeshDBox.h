// The polar mesh's panel controller.
#pragma once

#include "tools/VPolarMesh.h"
#include "tools/VShapeToolDBox.h"

using VPolarMeshDBox = VShapeToolDBox<PolarMeshParams>;
extern const ShapePanelFields<PolarMeshParams> kPolarMeshPanel;
