#include "tools/VSpike.h"

#include "frame/Preferences.h"
#include "frame/sb/Art.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/PathListIO.h"
#include "tools/MeshCurveGridIO.h"
#include "tools/SpikeShape.h"

#include <algorithm>
#include <cmath>

SBErr VSpike::EditOptions(SBToolMessage*) {
    PreferencesElement element("spike");
    element.Add("sharpness", static_cast<double>(sharpness_));
    PreferencesFile file(element);
    if (panel_) panel_->Open(sharpness_);
    return 0;
}

void VSpike::SetSharpness(float sharpness) {
    if (std::isnan(sharpness)) return;
    sharpness_ = std::min(std::max(sharpness, 0.0f), 1.0f);
}

void VSpike::BeginDrag(const SBToolMessage* message) {
    anchor_ = current_ = message->cursor;
    guides_[0] = guides_[1] = nullptr;
    keyStep_ = false;
}

bool VSpike::UpdateFromEvent(SBToolMessage* message) {
    bool changed = false;
    keyStep_ = false;
    if (std::fabs(message->cursor.h - current_.h) > 1e-5 || std::fabs(message->cursor.v - current_.v) > 1e-5) {
        current_ = message->cursor;
        changed = true;
    }
    const bool shift = message->event && (message->event->modifiers & SB_MOD_SHIFT) != 0;
    if (shift != shift_) {
        shift_ = shift;
        changed = true;
    }
    const double sharpness = sharpness_;
    if (IsUpArrowDown() && sharpness_ < 1.0f) {
        sharpness_ = static_cast<float>(std::min(sharpness + kSharpnessStep, 1.0));
        changed = keyStep_ = true;
    } else if (IsDownArrowDown() && sharpness_ > 0.0f) {
        sharpness_ = static_cast<float>(std::max(sharpness - kSharpnessStep, 0.0));
        changed = keyStep_ = true;
    }
    return changed;
}

void VSpike::Preview() {
    const RealPoint end = shift_ ? SnapToAxis(anchor_, current_) : current_;
    ForgetMarks();
    ApplySpikes(anchor_, end);
    DrawGuides(end);
    if (keyStep_) PauseSeconds(0.1f);
}

void VSpike::ApplySpikes(const RealPoint& anchor, const RealPoint& end) {
    const Line line{anchor, end};
    if (line.IsDegenerate()) return;
    for (int32_t n = 0; n < paths_.Count(); ++n) SpikePath(paths_.At(n), line);
    for (int32_t n = 0; n < meshes_.Count(); ++n) SpikeMesh(meshes_.At(n), line);
}

void VSpike::SpikePath(ArtHandle path, const Line& line) {
    const ZPathList list = ReadPathList(path);
    ZPathList spiked;
    if (!SpikePathList(list, line, sharpness_, spiked)) return;
    spiked.SetClosed(list.IsClosed());
    WritePathList(spiked, path);
    sb::SetArtUserAttr(path, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
}

void VSpike::SpikeMesh(ArtHandle mesh, const Line& line) {
    MeshCurveGrid grid = ReadMeshCurveGrid(mesh);
    bool changed = false;
    for (int32_t n = 0; n < grid.RowCurveCount(); ++n) {
        ZPathList spiked;
        if (!SpikePathList(grid.RowCurve(n), line, sharpness_, spiked)) continue;
        grid.SetRowCurve(n, spiked);
        changed = true;
    }
    for (int32_t n = 0; n < grid.ColumnCurveCount(); ++n) {
        ZPathList spiked;
        if (!SpikePathList(grid.ColumnCurve(n), line, sharpness_, spiked)) continue;
        grid.SetColumnCurve(n, spiked);
        changed = true;
    }
    if (!changed) return;
    WriteMeshCurveGrid(grid, mesh);
    sb::SetArtUserAttr(mesh, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
}

void VSpike::DrawGuides(const RealPoint& end) {
    // A line without length has nothing to show.
    if (Line{anchor_, end}.IsDegenerate()) return;
    for (ArtHandle& guide : guides_) {
        ZPathList line;
        line.AppendRaw(BezierSegment{anchor_, anchor_, end, end});
        line.SetClosed(false);
        guide = NewArtOfKind(kArtPath);
        WritePathList(line, guide);
    }
}

void VSpike::DisposeMarks() {
    for (ArtHandle& guide : guides_) {
        if (!guide) continue;
        ArtHandle art = guide;
        guide = nullptr;
        sb::DisposeArt(art);
    }
}
