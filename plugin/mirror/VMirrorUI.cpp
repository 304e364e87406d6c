#include "mirror/VMirrorUI.h"

#include "frame/Preferences.h"
#include "frame/sb/Action.h"
#include "frame/sb/Art.h"
#include "frame/sb/Registry.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Errors.h"
#include "geometry/Numeric.h"
#include "geometry/PathList.h"
#include "geometry/PathListIO.h"
#include "mirror/MirrorEffects.h"
#include "tools/ActionRecord.h"
#include "tools/InfoVariables.h"

#include <cmath>

namespace {

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

}  // namespace

VMirrorUI::VMirrorUI(const ToolAction& mirrorAction, const ToolAction& cutAction)
    : mirrorAction_(mirrorAction), cutAction_(cutAction), params_(DefaultMirrorParams) {}

const MirrorParams& VMirrorUI::PanelRecord() const { return optionsOpened_ ? params_ : DefaultMirrorParams; }

SBErr VMirrorUI::Select(SBToolMessage*) {
    params_.mirrorType = cut_ ? CutAuto : MirrorJoin;
    return 0;
}

void VMirrorUI::BeginDrag(const SBToolMessage*) {
    ViewExtent(minH_, maxH_, minV_, maxV_);
    ForgetMarker();
    lastOrigin_ = RealPoint{-1e10, -1e10};
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
    const int32_t type = cut_ ? CutTypeOf(mods) : MirrorTypeOf(mods);
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
        ShowInfo(infovariables::kCentreAngle, values);
    }
    return changed;
}

void VMirrorUI::Preview() {
    ForgetMarker();
    RunMirror(params_, paths_, meshes_);
    DrawAxisMarker();
}

void VMirrorUI::DrawAxisMarker() {
    const float m = std::fmax(maxH_ - minH_, maxV_ - minV_);
    const RealPoint& o = params_.origin;
    const float axisRadians = static_cast<float>((params_.angle + 90.0) * kPiF / 180.0);
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
    const float phiRadians = static_cast<float>(double(phi) * kPiF / 180.0);
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

void VMirrorUI::DisposeMarks() {
    for (ArtHandle& h : marker_) {
        if (h) sb::DisposeArt(h);
        h = nullptr;
    }
}

SBErr VMirrorUI::EditOptions(SBToolMessage*) {
    optionsOpened_ = true;
    PreferencesElement element("mirror");
    element.Add("rotate", params_.angle);
    // The file stays open while the panel loads.
    PreferencesFile file(element);
    if (panel_) panel_->Open(params_, "EditTool");
    return 0;
}

void VMirrorUI::PanelAnswered(const MirrorParams& values) {
    if (optionsOpened_) {
        params_.angle = values.angle;
        return;
    }
    DefaultMirrorParams.angle = values.angle;
    params_ = DefaultMirrorParams;
}

void VMirrorUI::ApplyFromAction(double h, double v, double angle, int32_t type, bool flipAgain) {
    const MirrorParams saved = params_;
    params_.offset = 0;
    params_.origin = RealPoint{h, v};
    params_.angle = angle;
    params_.mirrorType = type;
    params_.flipAgain = flipAgain;
    try {
        ReleaseSelection();
        TakeSelection();
        RunMirror(params_, paths_, meshes_);
        ReleaseSelection();
        RecordMirrorAction();
    } catch (...) {
        ReleaseSelection();
        params_ = saved;
        throw;
    }
    params_ = saved;
}

void VMirrorUI::RecordMirrorAction() {
    RecordToolAction(cut_ ? cutAction_ : mirrorAction_, 0, [&](sb::ActionParamValue& value) {
        using namespace actionkey;
        WriteActionCentre(value, params_.origin.h, params_.origin.v);
        value.SetUnitReal(kRotate, SB_UNIT_ANGLE, params_.angle);
        value.SetInteger(kMirrorType, params_.mirrorType);
        value.SetBoolean(kFlipAgain, params_.flipAgain);
    });
}

void VMirrorUI::PlayBack(VMirrorUI* tool, SBActionParamValueRef values, bool cut) {
    using namespace actionkey;
    const RealPoint centre = ReadActionCentre(values);
    const double angle = sb::GetActionReal(values, kRotate);
    const int32_t type = sb::GetActionInteger(values, kMirrorType);
    const bool flip = sb::GetActionBoolean(values, kFlipAgain);
    if (!tool) return;
    tool->SetCutMode(cut);
    tool->ApplyFromAction(centre.h, centre.v, angle, type, flip);
}
