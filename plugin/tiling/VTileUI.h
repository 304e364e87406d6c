// The tile tool: the selected paths are repeated over one of the seventeen wallpaper groups. The
// drag spans the cell; every drag step rebuilds the tile with the cell's outline on top, keys
// change the group, the lean of the p1 and p2 cells and the mode; mouse up removes the outline and
// fills the view, the artboard or the page with copies of the tile (one undo entry, "Undo Tile").
#pragma once

#include "geometry/ItemArray.h"
#include "tiling/TileGenerator.h"
#include "tiling/TileGeometry.h"
#include "tiling/VSubTileArt.h"
#include "tools/VTool.h"

#include <scribera/SBMessages.h>

#include <memory>

// What the tile tool sees of its panel controller: the record it edits, and the opening.
class VTilePanel {
public:
    virtual void EditRecord(TileParams* record) = 0;
    // Loads the panel; the plug-in's interaction mode stays as it is.
    virtual void Open() = 0;

protected:
    ~VTilePanel() = default;
};

class VTileUI : public VBasicTool {
public:
    static constexpr const char* kPatternQuestion = "That's a lot of art for Pattern mode! Proceed anyway?";

    VTileUI() : params_(DefaultTileParams) {}

    SBErr EditOptions(SBToolMessage* message) override;
    SBErr MouseDown(SBToolMessage* message) override;
    SBErr MouseUp(SBToolMessage* message) override;
    SBErr MouseDrag(SBToolMessage* message) override;
    void AbandonDrag() override;

    void AttachPanel(VTilePanel* panel) { panel_ = panel; }
    TileParams& Params() { return params_; }
    const TileParams& Params() const { return params_; }

    // The drag step's cell size, keys and modifiers; true when anything changed.
    bool UpdateDragState(const SBToolMessage* message, bool* symmetryChanged);
    // True when the selection is small enough for pattern mode, or the user says go on anyway.
    bool PatternModeAllowed();

private:
    void EndDrag();

    TileParams params_;
    RealPoint cellOrigin_{0, 0};
    RealPoint lastPoint_{0, 0};
    float cellWidth_ = 0, cellHeight_ = 0;
    TileGenerator generator_;  // the tile and its lattice
    TileExtent extent_;
    ArtList selection_;
    std::unique_ptr<VSubTileArt> guide_;
    VTilePanel* panel_ = nullptr;
    // False once a step failed or the mouse down was declined: the rest of the drag does nothing.
    bool live_ = false;
};
