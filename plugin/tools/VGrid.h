// The grid tool: a grid over the dragged rectangle inside a new group, as open lines or as one
// closed path per cell. The arrow keys change the cells across and down; a click, a double-click
// on the icon and action playback open its panel.
#pragma once

#include "geometry/GeometryTypes.h"
#include "tools/VPanelShapeTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

struct GridParams {
    double centreH;
    double centreV;
    double width;   // of one cell; negative runs the columns the other way
    double height;  // of one cell
    int32_t squaresX;
    int32_t squaresY;
    bool createAsSquares;
};

extern const GridParams kGridDefaults;

// Counts from a panel or a recorded action are kept within 1 … kMaxSquares: below 1 the drag's
// cell division has nothing to divide by, and above it one step would make tens of thousands of
// paths (200 × 200 cells is 40000 paths).
constexpr int32_t kMaxSquares = 200;
int32_t ClampSquares(int32_t count);

class VGrid : public VParamShapeTool<GridParams> {
public:
    static constexpr int32_t kMaxKeySquares = 60;

    // Without an action (made outside the catalogue) it records nothing.
    explicit VGrid(const ToolAction* action = nullptr);

    bool UpdateFromDrag(SBToolMessage* message, bool* keyStep) override;
    // The group of lines or cells; sizes or a centre not finite in single precision leave it empty.
    void Draw() override;

    void SetGridParameters(float width, float height, int32_t squaresX, int32_t squaresY, bool createAsSquares);

protected:
    PreferencesElement Preferences() const override;
    void WriteAction(sb::ActionParamValue& value) const override;
    void ReadAction(SBActionParamValueRef values) override;
};
