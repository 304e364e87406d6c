#include "mirror/VRectangularCutUI.h"

#include "frame/ErrorReport.h"
#include "frame/sb/Action.h"
#include "frame/sb/Art.h"
#include "frame/sb/Registry.h"
#include "frame/sb/Undo.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Errors.h"
#include "geometry/PathListIO.h"
#include "mirror/MirrorEffects.h"
#include "tools/VObjectCreationTool.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kInfoVariables[] = {15, 16, 2, 3, -1};
constexpr uint16_t kModOpen = 0x1000;
constexpr uint16_t kModClosed = 0x0100;

constexpr uint32_t kKeyTool = SB_FOURCC('t', 'o', 'o', 'l');
constexpr uint32_t kKeyCentreX = SB_FOURCC('c', 'n', 't', 'x');
constexpr uint32_t kKeyCentreY = SB_FOURCC('c', 'n', 't', 'y');
constexpr uint32_t kKeyWidth = SB_FOURCC('w', 'd', 't', 'h');
constexpr uint32_t kKeyHeight = SB_FOURCC('h', 'g', 'h', 't');
constexpr uint32_t kKeyMirrorType = SB_FOURCC('m', 'i', 't', 'y');

float Sign(float x) { return x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f); }

}  // namespace

VRectangularCutUI* VRectangularCutUI::Instance() {
    static VRectangularCutUI instance;
    return &instance;
}

SBErr VRectangularCutUI::EditOptions(SBToolMessage*) { return 0; }

SBErr VRectangularCutUI::Select(SBToolMessage*) {
    mirrorType_ = CutAuto;
    return 0;
}

SBErr VRectangularCutUI::Deselect(SBToolMessage*) { return 0; }

SBErr VRectangularCutUI::TrackCursor(SBToolMessage*) {
    SetCrossCursor();
    return 0;
}

SBErr VRectangularCutUI::MouseDown(SBToolMessage* message) {
    CollectSelectedPaths(paths_);
    CollectSelectedMeshes(meshes_);
    start_ = message->cursor;
    dragH_ = dragV_ = 0.0f;
    outline_ = nullptr;
    fromCentre_ = false;
    return 0;
}

bool VRectangularCutUI::UpdateFromEvent(SBToolMessage* message) {
    float h = static_cast<float>(message->cursor.h - start_.h);
    float v = static_cast<float>(message->cursor.v - start_.v);
    const uint16_t mods = message->event ? message->event->modifiers : 0;
    if (mods & SB_MOD_SHIFT) {
        if (std::fabs(h) > std::fabs(v)) v = Sign(v) * std::fabs(h);
        else h = Sign(h) * std::fabs(v);
    }
    bool changed = false;
    if (std::fabs(h - dragH_) > 1e-5f || std::fabs(v - dragV_) > 1e-5f) {
        dragH_ = h;
        dragV_ = v;
        changed = true;
    }
    const bool centre = (mods & SB_MOD_ALT) != 0;
    if (centre != fromCentre_) {
        fromCentre_ = centre;
        changed = true;
    }
    const int32_t type = (mods & kModOpen) ? CutOpen : ((mods & kModClosed) ? CutClosed : CutAuto);
    if (type != mirrorType_) {
        mirrorType_ = type;
        changed = true;
    }
    if (changed) {
        const double values[] = {start_.h, start_.v, std::fabs(dragH_), -std::fabs(dragV_)};
        try {
            VObjectCreationTool::SetInfoValues(kInfoVariables, values);
        } catch (const HostError&) {
        }
    }
    return changed;
}

void VRectangularCutUI::Corners(RealPoint c[4]) const {
    double l, r, b, t;
    if (fromCentre_) {
        l = start_.h - std::fabs(dragH_);
        r = start_.h + std::fabs(dragH_);
        b = start_.v - std::fabs(dragV_);
        t = start_.v + std::fabs(dragV_);
    } else {
        l = start_.h + std::min(dragH_, 0.0f);
        r = start_.h + std::max(dragH_, 0.0f);
        b = start_.v + std::min(dragV_, 0.0f);
        t = start_.v + std::max(dragV_, 0.0f);
    }
    c[0] = RealPoint{l, t};
    c[1] = RealPoint{l, b};
    c[2] = RealPoint{r, b};
    c[3] = RealPoint{r, t};
}

SBErr VRectangularCutUI::MouseDrag(SBToolMessage* message) {
    try {
        if (!UpdateFromEvent(message)) return 0;
        RealPoint corners[4];
        Corners(corners);
        sb::UndoChanges();
        outline_ = nullptr;
        CutToRectangle(corners);
        DrawOutline(corners);
        return 0;
    } catch (...) {
        paths_.Clear();
        return ShowZarvoError();
    }
}

void VRectangularCutUI::CutToRectangle(const RealPoint corners[4]) {
    MirrorParams p;
    p.offset = 0;
    p.flipAgain = false;
    p.mirrorType = mirrorType_;
    const double offsets[4] = {0, 0, 0, 0};
    RunRectangleCut(p, corners, offsets, paths_);
}

void VRectangularCutUI::DrawOutline(const RealPoint c[4]) {
    ZPathList list;
    for (int k = 0; k < 4; ++k) {
        const RealPoint& a = c[k];
        const RealPoint& b = c[(k + 1) % 4];
        list.Append(BezierSegment{a, a, b, b});
    }
    list.SetClosed(false);
    outline_ = NewArtOfKind(SB_ART_PATH);
    // A rectangle without extent has nothing to show: no empty path is left behind.
    if (!WritePathList(list, outline_)) {
        ArtHandle empty = outline_;
        outline_ = nullptr;
        sb::DisposeArt(empty);
    }
}

SBErr VRectangularCutUI::MouseUp(SBToolMessage*) {
    DrainKeyboardMessages();
    paths_.Clear();
    meshes_.Clear();
    if (outline_) {
        ArtHandle outline = outline_;
        outline_ = nullptr;
        sb::DisposeArt(outline);
    }
    RecordRectCutAction();
    VObjectCreationTool::SetUndoRedoText("Undo Rectangle Cut", "Redo Rectangle Cut");
    return 0;
}

void VRectangularCutUI::ApplyFromAction(float ch, float cv, float w, float h, int32_t type) {
    const float hw = w / 2.0f, hh = h / 2.0f;
    const RealPoint corners[4] = {{ch - hw, cv + hh}, {ch - hw, cv - hh}, {ch + hw, cv - hh}, {ch + hw, cv + hh}};
    mirrorType_ = type;
    paths_.Clear();
    meshes_.Clear();
    try {
        CollectSelectedPaths(paths_);
        CollectSelectedMeshes(meshes_);
        CutToRectangle(corners);
    } catch (...) {
        paths_.Clear();
        meshes_.Clear();
        throw;
    }
    paths_.Clear();
    meshes_.Clear();
    fromCentre_ = true;
    start_ = RealPoint{ch, cv};
    dragH_ = hw;
    dragV_ = hh;
    RecordRectCutAction();
}

void VRectangularCutUI::RecordRectCutAction() {
    if (!sb::HasActionManager() || !sb::InRecordMode()) return;
    sb::ActionParamValue value;
    if (!value.IsValid()) return;
    double ch, cv, w, h;
    if (fromCentre_) {
        ch = start_.h;
        cv = start_.v;
        w = std::fabs(2.0f * dragH_);
        h = std::fabs(2.0f * dragV_);
    } else {
        ch = start_.h + dragH_ / 2.0f;
        cv = start_.v + dragV_ / 2.0f;
        w = std::fabs(dragH_);
        h = std::fabs(dragV_);
    }
    value.SetInteger(kKeyTool, kToolCode);
    value.SetUnitReal(kKeyCentreX, SB_UNIT_POINTS, ch);
    value.SetUnitReal(kKeyCentreY, SB_UNIT_POINTS, cv);
    value.SetUnitReal(kKeyWidth, SB_UNIT_POINTS, w);
    value.SetUnitReal(kKeyHeight, SB_UNIT_POINTS, h);
    value.SetInteger(kKeyMirrorType, mirrorType_);
    value.Record("sb_plugin_zarvo_rectangle_cut", 0);
    value.Delete();
}

void VRectangularCutUI::PlayBackHook(SBActionParamValueRef values, bool) {
    const double ch = sb::GetActionReal(values, kKeyCentreX);
    const double cv = sb::GetActionReal(values, kKeyCentreY);
    const double w = sb::GetActionReal(values, kKeyWidth);
    const double h = sb::GetActionReal(values, kKeyHeight);
    const int32_t type = sb::GetActionInteger(values, kKeyMirrorType);
    Instance()->ApplyFromAction(static_cast<float>(ch), static_cast<float>(cv), static_cast<float>(w),
                                static_cast<float>(h), type);
}
