#include "mirror/VMirrorUI.h"

#include "frame/ErrorReport.h"
#include "frame/Globals.h"
#include "frame/ToolRouting.h"
#include "frame/sb/Action.h"
#include "frame/sb/Art.h"
#include "frame/sb/Registry.h"
#include "frame/sb/Undo.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Errors.h"
#include "geometry/PathListIO.h"
#include "mirror/MirrorEffects.h"
#include "mirror/VMirrorDBox.h"
#include "mirror/VRectangularCutUI.h"
#include "tools/ToolPanel.h"
#include "tools/VObjectCreationTool.h"

#include <cmath>

namespace {

constexpr int32_t kInfoVariables[] = {15, 16, 10, -1};
constexpr uint16_t kModOpen = 0x1000;
constexpr uint16_t kModClosed = 0x0100;

constexpr uint32_t kKeyTool = SB_FOURCC('t', 'o', 'o', 'l');
constexpr uint32_t kKeyCentreX = SB_FOURCC('c', 'n', 't', 'x');
constexpr uint32_t kKeyCentreY = SB_FOURCC('c', 'n', 't', 'y');
constexpr uint32_t kKeyRotate = SB_FOURCC('r', 'o', 't', 'a');
constexpr uint32_t kKeyMirrorType = SB_FOURCC('m', 'i', 't', 'y');
constexpr uint32_t kKeyFlipAgain = SB_FOURCC('f', 'l', 'p', 'a');

constexpr float kPi = 3.1415927410125732f;

VMirrorDBox* Panel() { return gZGlobals ? dynamic_cast<VMirrorDBox*>(gZGlobals->mirrorDBox) : nullptr; }

uint16_t Modifiers(const SBToolMessage* message) { return message->event ? message->event->modifiers : 0; }

// An open path of straight segments through the points.
ArtHandle NewPolyline(const RealPoint* points, int count) {
    ArtHandle path = NewArtOfKind(SB_ART_PATH);
    ZPathList list;
    for (int i = 0; i + 1 < count; ++i) list.Append(BezierSegment{points[i], points[i], points[i + 1], points[i + 1]});
    list.SetClosed(false);
    WritePathList(list, path);
    return path;
}

RealPoint Add(const RealPoint& a, const RealPoint& b) { return RealPoint{a.h + b.h, a.v + b.v}; }

void ShowInfo(const int32_t* variables, const double* values) {
    // The info panel is a courtesy: its failure does not stop the drag.
    try {
        VObjectCreationTool::SetInfoValues(variables, values);
    } catch (const HostError&) {
    }
}

VMirrorUI* MirrorObject() { return gZGlobals ? dynamic_cast<VMirrorUI*>(gZGlobals->mirror) : nullptr; }

void PlayBack(SBActionParamValueRef values, bool cut) {
    const double h = sb::GetActionReal(values, kKeyCentreX);
    const double v = sb::GetActionReal(values, kKeyCentreY);
    const double angle = sb::GetActionReal(values, kKeyRotate);
    const int32_t type = sb::GetActionInteger(values, kKeyMirrorType);
    const bool flip = sb::GetActionBoolean(values, kKeyFlipAgain);
    VMirrorUI* tool = MirrorObject();
    if (!tool) return;
    tool->SetCutMode(cut);
    tool->ApplyFromAction(h, v, angle, type, flip);
}

}  // namespace

VMirrorUI::VMirrorUI() : params_(DefaultMirrorParams) {}

const MirrorParams& VMirrorUI::PanelRecord() const {
    if (VMirrorDBox* panel = Panel()) return *panel->Record();
    return optionsOpened_ ? params_ : DefaultMirrorParams;
}

SBErr VMirrorUI::Select(SBToolMessage*) {
    params_.mirrorType = cut_ ? CutAuto : MirrorJoin;
    return 0;
}

SBErr VMirrorUI::Deselect(SBToolMessage*) { return 0; }

SBErr VMirrorUI::TrackCursor(SBToolMessage*) {
    SetCrossCursor();
    return 0;
}

SBErr VMirrorUI::MouseDown(SBToolMessage*) {
    CollectSelectedPaths(paths_);
    CollectSelectedMeshes(meshes_);
    ViewExtent(minH_, maxH_, minV_, maxV_);
    ForgetMarker();
    lastOrigin_ = RealPoint{-1e10, -1e10};
    return 0;
}

bool VMirrorUI::UpdateFromEvent(SBToolMessage* message) {
    const MirrorParams& record = PanelRecord();
    if (&record != &params_) params_ = record;
    bool changed = false;

    params_.origin = message->cursor;
    if (std::fabs(params_.origin.h - lastOrigin_.h) > 1e-5 || std::fabs(params_.origin.v - lastOrigin_.v) > 1e-5) {
        changed = true;
        lastOrigin_ = params_.origin;
    }

    float angle = static_cast<float>(params_.angle);
    if (IsRKeyDown()) {
        angle = static_cast<float>(params_.angle - 3.0);
        if (angle < 0.0f) angle += 360.0f;
    } else if (IsTKeyDown()) {
        angle = static_cast<float>(params_.angle + 3.0);
        if (angle >= 360.0f) angle -= 360.0f;
    } else if (IsLeftArrowDown()) {
        angle = 0.0f;
    } else if (IsRightArrowDown()) {
        angle = 180.0f;
    } else if (IsUpArrowDown()) {
        angle = 270.0f;
    } else if (IsDownArrowDown()) {
        angle = 90.0f;
    }

    const uint16_t mods = Modifiers(message);
    int32_t type;
    if (cut_) type = (mods & kModOpen) ? CutOpen : ((mods & kModClosed) ? CutClosed : CutAuto);
    else type = (mods & kModOpen) ? MirrorJoinOpen : MirrorJoin;
    if (type != params_.mirrorType) {
        params_.mirrorType = type;
        changed = true;
    }

    if (static_cast<double>(angle) != params_.angle) {
        changed = true;
        params_.angle = angle;
    }

    const bool flip = (mods & SB_MOD_SHIFT) != 0;
    if (flip != params_.flipAgain) {
        params_.flipAgain = flip;
        changed = true;
    }

    if (changed) {
        const double values[] = {params_.origin.h, params_.origin.v, params_.angle};
        ShowInfo(kInfoVariables, values);
    }
    return changed;
}

SBErr VMirrorUI::MouseDrag(SBToolMessage* message) {
    try {
        if (!UpdateFromEvent(message)) return 0;
        sb::UndoChanges();
        // The revert took the previous marker with it.
        ForgetMarker();
        RunMirror(params_, paths_);
        DrawAxisMarker();
        return 0;
    } catch (...) {
        paths_.Clear();
        meshes_.Clear();
        return ShowZarvoError();
    }
}

void VMirrorUI::DrawAxisMarker() {
    const float m = std::fmax(maxH_ - minH_, maxV_ - minV_);
    const RealPoint& o = params_.origin;
    const float axisRadians = static_cast<float>((params_.angle + 90.0) * kPi / 180.0);
    const RealPoint v = RotatePointAboutOrigin(RealPoint{-m / 4.0f, 0.0f}, axisRadians);
    RealPoint axis[2] = {Add(o, v), RealPoint{o.h - v.h, o.v - v.v}};
    marker_[0] = NewPolyline(axis, 2);
    if (params_.flipAgain) {
        RealPoint second[2] = {RotatePoint(axis[0], o, -1.5707963705062866f),
                               RotatePoint(axis[1], o, -1.5707963705062866f)};
        marker_[1] = NewPolyline(second, 2);
    }
    float phi = static_cast<float>(params_.angle + 90.0);
    if (params_.flipAgain) phi += 45.0f;
    const float phiRadians = static_cast<float>(double(phi) * kPi / 180.0);
    RealPoint shaft[2] = {o, Add(o, RotatePointAboutOrigin(RealPoint{0.0f, m / 12.0f}, phiRadians))};
    marker_[2] = NewPolyline(shaft, 2);
    RealPoint head[3] = {
        Add(o, RotatePointAboutOrigin(RealPoint{-m / 36.0f, m / 12.0f - m / 48.0f}, phiRadians)),
        Add(o, RotatePointAboutOrigin(RealPoint{0.0f, m / 12.0f}, phiRadians)),
        Add(o, RotatePointAboutOrigin(RealPoint{m / 36.0f, m / 12.0f - m / 48.0f}, phiRadians)),
    };
    marker_[3] = NewPolyline(head, 3);
}

void VMirrorUI::ForgetMarker() {
    for (ArtHandle& h : marker_) h = nullptr;
}

SBErr VMirrorUI::MouseUp(SBToolMessage*) {
    DrainKeyboardMessages();
    paths_.Clear();
    meshes_.Clear();
    for (ArtHandle& h : marker_) {
        if (h) sb::DisposeArt(h);
        h = nullptr;
    }
    RecordMirrorAction();
    if (cut_) VObjectCreationTool::SetUndoRedoText("Undo Cut", "Redo Cut");
    else VObjectCreationTool::SetUndoRedoText("Undo Mirror", "Redo Mirror");
    return 0;
}

SBErr VMirrorUI::EditOptions(SBToolMessage*) {
    SetInteractionMode("EditTool");
    optionsOpened_ = true;
    VMirrorDBox* panel = Panel();
    if (panel) panel->PointAt(this, &params_);
    PreferencesElement element("mirror");
    element.Add("rotate", params_.angle);
    OpenToolPanel(panel, element);
    return 0;
}

void VMirrorUI::ApplyFromAction(double h, double v, double angle, int32_t type, bool flipAgain) {
    const MirrorParams saved = params_;
    params_.offset = 0;
    params_.origin = RealPoint{h, v};
    params_.angle = angle;
    params_.mirrorType = type;
    params_.flipAgain = flipAgain;
    try {
        paths_.Clear();
        meshes_.Clear();
        CollectSelectedPaths(paths_);
        CollectSelectedMeshes(meshes_);
        RunMirror(params_, paths_);
        paths_.Clear();
        meshes_.Clear();
        RecordMirrorAction();
    } catch (...) {
        paths_.Clear();
        meshes_.Clear();
        params_ = saved;
        throw;
    }
    params_ = saved;
}

void VMirrorUI::RecordMirrorAction() {
    if (!sb::HasActionManager() || !sb::InRecordMode()) return;
    sb::ActionParamValue value;
    if (!value.IsValid()) return;
    value.SetInteger(kKeyTool, cut_ ? kCutCode : kMirrorCode);
    value.SetUnitReal(kKeyCentreX, SB_UNIT_POINTS, params_.origin.h);
    value.SetUnitReal(kKeyCentreY, SB_UNIT_POINTS, params_.origin.v);
    value.SetUnitReal(kKeyRotate, SB_UNIT_ANGLE, params_.angle);
    value.SetInteger(kKeyMirrorType, params_.mirrorType);
    value.SetBoolean(kKeyFlipAgain, params_.flipAgain);
    value.Record(cut_ ? "sb_plugin_zarvo_cut" : "sb_plugin_zarvo_mirror", 0);
    value.Delete();
}

void VMirrorUI::PlayBackMirror(SBActionParamValueRef values, bool) { PlayBack(values, false); }
void VMirrorUI::PlayBackCut(SBActionParamValueRef values, bool) { PlayBack(values, true); }

void InstallMirrorHooks() {
    gRoutingHooks.setMirrorMode = [](VTool* object, int32_t mode) {
        if (auto* tool = dynamic_cast<VMirrorUI*>(object)) tool->SetCutMode(mode == 1);
    };
    gRoutingHooks.rectCutObject = [] { return static_cast<VTool*>(VRectangularCutUI::Instance()); };
    gRoutingHooks.mirrorEffect = [](SBLiveEffectMessage* message, bool cut, bool edit) -> SBErr {
        if (!message) return 0;
        return edit ? MirrorEffectEditParameters(message, cut) : MirrorEffectGo(message);
    };
    gRoutingHooks.rectCutEffect = [](SBLiveEffectMessage* message, bool edit) -> SBErr {
        if (!message) return 0;
        return edit ? RectCutEffectEditParameters(message) : RectCutEffectGo(message);
    };
    gRoutingHooks.playBack[VMirrorUI::kMirrorCode] = VMirrorUI::PlayBackMirror;
    gRoutingHooks.playBack[VMirrorUI::kCutCode] = VMirrorUI::PlayBackCut;
    gRoutingHooks.playBack[VRectangularCutUI::kToolCode] = VRectangularCutUI::PlayBackHook;
}
