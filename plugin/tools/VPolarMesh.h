// The polar mesh tool: a gradient mesh of rings and spokes, centred on the mouse with the anchor on
// the outer ring (on the anchor with Alt). The arrow keys change the spokes and rings, R and T the
// inner radius, P the polygon mode; a click, a double-click on the icon and action playback open
// its panel.
#pragma once

#include "tools/PolarMeshShape.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VPolarMesh : public VParamShapeTool<PolarMeshParams> {
public:
    // Without an action (made outside the catalogue) it records nothing.
    explicit VPolarMesh(const ToolAction* action = nullptr);

    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    // A new selected mesh on top of the current layer, coloured from the current fill. Radii or a
    // centre not finite in single precision, or no outer radius, draw nothing.
    void Draw() override;

    // Counts below a mesh's minimum are taken as the keys' limits (ClampRadialLines ...).
    void SetPolarMeshParameters(float outerRadius, float innerRadius, int32_t radialLines, int32_t circularLines,
                                bool polygon, int32_t colourMode);

protected:
    PreferencesElement Preferences() const override;
    void WriteAction(sb::ActionParamValue& value) const override;
    void ReadAction(SBActionParamValueRef values) override;
};

// The fill of the document's current style as the mesh's colours take it: a gradient's stops read,
// custom colours replaced by their definitions and brought to one colour model.
PolarMeshFill CurrentPolarMeshFill();
