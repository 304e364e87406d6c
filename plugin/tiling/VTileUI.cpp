#include "tiling/VTileUI.h"

#include "frame/ErrorReport.h"
#include "frame/Preferences.h"
#include "frame/ResultCodes.h"
#include "frame/sb/Undo.h"
#include "frame/sb/User.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/DocumentHelpers.h"
#include "tiling/LatticeFill.h"
#include "tools/VObjectCreationTool.h"

#include <cmath>

namespace {

constexpr uint16_t kShift = 0x0200;
constexpr uint16_t kOpenCut = 0x1000;
constexpr uint16_t kClosedCut = 0x0100;

// A zero component counts as positive, so that a square grows somewhere.
float SignedLike(float m, float x) { return x < 0 ? -m : m; }

}  // namespace

SBErr VTileUI::EditOptions(SBToolMessage*) {
    if (panel_) panel_->EditRecord(&params_);
    const TileParams& p = params_;
    PreferencesElement element("tile");
    element.Add("symmetry", p.symmetry)
        .Add("tile_cut_mode", int32_t{p.tileMode == TileCutAuto})
        .Add("tile_mirror_mode", int32_t{p.tileMode != TileCutAuto})
        .Add("group_cut_single_lattice", int32_t{p.extentMode == 1})
        .Add("group_cut_document", int32_t{p.extentMode == 2})
        .Add("group_cut_artboard", int32_t{p.extentMode == 3})
        .Add("group_cut_page", int32_t{p.extentMode == 4})
        .Add("tile_mirror_closed_cut", int32_t{p.closedCut == 2});
    // The file stays open while the panel loads.
    PreferencesFile file(element);
    if (panel_) panel_->Open();
    return 0;
}

bool VTileUI::PatternModeAllowed() {
    int32_t paths = 0, segments = 0;
    for (int32_t i = 0; i < selection_.Count(); ++i) CountPathsAndSegments(selection_.At(i), paths, segments, 0);
    if (paths <= 10 && segments <= 100) return true;
    return sb::QuestionAlert(kPatternQuestion);
}

SBErr VTileUI::MouseDown(SBToolMessage* message) {
    // A tile the last fill disposed of, or the last drag kept, is none of this drag's business.
    generator_.tileArt = nullptr;
    live_ = false;
    selection_.Clear();
    CollectSelectedPaths(selection_);
    cellOrigin_ = message->cursor;
    lastPoint_ = cellOrigin_;
    guide_ = std::make_unique<VSubTileArt>();
    switch (params_.extentMode) {
        case 2:
            ViewExtent(extent_.minH, extent_.maxH, extent_.minV, extent_.maxV);
            break;
        case 3:
            ArtboardExtent(extent_.minH, extent_.maxH, extent_.minV, extent_.maxV);
            break;
        case 4:
            PageExtent(extent_.minH, extent_.maxH, extent_.minV, extent_.maxV);
            break;
        default:
            break;
    }
    if (params_.tileMode == TilePattern && !PatternModeAllowed()) return kUserCancel;
    live_ = true;
    return 0;
}

bool VTileUI::UpdateDragState(const SBToolMessage* message, bool* symmetryChanged) {
    bool changed = false;
    *symmetryChanged = false;
    const uint16_t mods = message->event ? message->event->modifiers : 0;
    float dh = static_cast<float>(message->cursor.h - cellOrigin_.h);
    float dv = static_cast<float>(message->cursor.v - cellOrigin_.v);
    if (mods & kShift) {
        const float m = std::fabs(dv) < std::fabs(dh) ? std::fabs(dh) : std::fabs(dv);
        dh = SignedLike(m, dh);
        dv = SignedLike(m, dv);
    }
    if (std::fabs(dh - cellWidth_) > 1e-5f || std::fabs(dv - cellHeight_) > 1e-5f) {
        cellWidth_ = dh;
        cellHeight_ = dv;
        changed = true;
    }
    if (std::fabs(message->cursor.h - lastPoint_.h) > 1e-5 || std::fabs(message->cursor.v - lastPoint_.v) > 1e-5) {
        lastPoint_ = message->cursor;
        changed = true;
    }
    if (IsUpArrowDown()) {
        params_.symmetry = params_.symmetry >= kLastSymmetry ? kFirstSymmetry : params_.symmetry + 1;
        changed = *symmetryChanged = true;
    }
    if (IsDownArrowDown()) {
        params_.symmetry = params_.symmetry <= kFirstSymmetry ? kLastSymmetry : params_.symmetry - 1;
        changed = *symmetryChanged = true;
    }
    if (IsRightArrowDown() && params_.skew < 3.0f) {
        params_.skew = static_cast<float>(params_.skew + 0.05);
        changed = true;
    }
    if (IsLeftArrowDown() && params_.skew > 0.0f) {
        params_.skew = static_cast<float>(params_.skew - 0.05);
        changed = true;
    }
    if (IsTKeyDown() && params_.tileMode != TileCutAuto) {
        params_.tileMode = TileCutAuto;
        changed = true;
    }
    if (IsPKeyDown() && params_.tileMode != TilePattern && PatternModeAllowed()) {
        params_.tileMode = TilePattern;
        changed = true;
    }
    if (params_.tileMode != TilePattern) {
        const int32_t wanted = (mods & kOpenCut) ? TileCutOpen : ((mods & kClosedCut) ? TileCutClosed : TileCutAuto);
        if (wanted != params_.tileMode) {
            params_.tileMode = wanted;
            changed = true;
        }
    }
    return changed;
}

SBErr VTileUI::MouseDrag(SBToolMessage* message) {
    if (!live_) return 0;
    try {
        bool symmetryChanged = false;
        if (!UpdateDragState(message, &symmetryChanged)) return 0;
        TileDrag drag{cellOrigin_, cellWidth_, cellHeight_, extent_};
        const bool built = generator_.Generate(params_, drag, selection_, guide_.get());
        if (symmetryChanged && built) PauseSeconds(0.5f);
        return 0;
    } catch (...) {
        // The revert took the step's tile and guide; the drag has nothing left to work on.
        live_ = false;
        selection_.Clear();
        generator_.tileArt = nullptr;
        if (guide_) guide_->ForgetGuide();
        return ShowZarvoError();
    }
}

void VTileUI::EndDrag() {
    DrainKeyboardMessages();
    selection_.Clear();
    if (guide_) guide_->ForgetGuide();
    guide_.reset();
    generator_.tileArt = nullptr;
    live_ = false;
}

void VTileUI::AbandonDrag() { EndDrag(); }

SBErr VTileUI::MouseUp(SBToolMessage*) {
    if (!live_) {
        EndDrag();
        return 0;
    }
    live_ = false;
    try {
        DrainKeyboardMessages();
        selection_.Clear();
        if (guide_) guide_->DisposeGuide();
        guide_.reset();
        if (IsEscapeDown()) {
            generator_.tileArt = nullptr;
            sb::UndoChanges();
            return kUserCancel;
        }
        ArtHandle tile = generator_.tileArt;
        if (!tile || params_.extentMode == 1) return 0;
        LatticeFill fill(tile, generator_.lattice, extent_, params_.tileMode);
        // Whatever comes of the fill, the tile's handle is spent.
        generator_.tileArt = nullptr;
        if (!fill.EstimateAndConfirm()) return 0;
        fill.FillLattice();
        VObjectCreationTool::SetUndoRedoText("Undo Tile", "Redo Tile");
        return 0;
    } catch (...) {
        generator_.tileArt = nullptr;
        return ShowZarvoError();
    }
}
