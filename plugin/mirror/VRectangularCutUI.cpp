#include "mirror/VRectangularCutUI.h"

#include "frame/sb/Action.h"
#include "frame/sb/Art.h"
#include "frame/sb/Registry.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Errors.h"
#include "geometry/PathList.h"
#include "geometry/PathListIO.h"
#include "mirror/MirrorEffects.h"
#include "tools/ActionRecord.h"
#include "tools/InfoVariables.h"

#include <algorithm>
#include <cmath>

SBErr VRectangularCutUI::Select(SBToolMessage*) {
    mirrorType_ = CutAuto;
    return 0;
}

void VRectangularCutUI::BeginDrag(const SBToolMessage* message) {
    drag_.Start(message->cursor);
    outline_ = nullptr;
    fromCentre_ = false;
}

bool VRectangularCutUI::UpdateFromEvent(SBToolMessage* message) {
    bool changed = drag_.Update(message, true);
    const uint16_t mods = message->event ? message->event->modifiers : 0;
    const bool centre = (mods & SB_MOD_ALT) != 0;
    if (centre != fromCentre_) {
        fromCentre_ = centre;
        changed = true;
    }
    const int32_t type = CutTypeOf(mods);
    if (type != mirrorType_) {
        mirrorType_ = type;
        changed = true;
    }
    if (changed) {
        const RealPoint& start = drag_.Anchor();
        const double values[] = {start.h, start.v, std::fabs(drag_.H()), -std::fabs(drag_.V())};
        ShowInfo(infovariables::kCentreWidthHeight, values);
    }
    return changed;
}

void VRectangularCutUI::Corners(RealPoint c[4]) const {
    const RealPoint& start = drag_.Anchor();
    const float dragH = drag_.H(), dragV = drag_.V();
    double l, r, b, t;
    if (fromCentre_) {
        l = start.h - std::fabs(dragH);
        r = start.h + std::fabs(dragH);
        b = start.v - std::fabs(dragV);
        t = start.v + std::fabs(dragV);
    } else {
        l = start.h + std::min(dragH, 0.0f);
        r = start.h + std::max(dragH, 0.0f);
        b = start.v + std::min(dragV, 0.0f);
        t = start.v + std::max(dragV, 0.0f);
    }
    c[0] = RealPoint{l, t};
    c[1] = RealPoint{l, b};
    c[2] = RealPoint{r, b};
    c[3] = RealPoint{r, t};
}

void VRectangularCutUI::Preview() {
    RealPoint corners[4];
    Corners(corners);
    outline_ = nullptr;
    CutToRectangle(corners);
    DrawOutline(corners);
}

void VRectangularCutUI::CutToRectangle(const RealPoint corners[4]) {
    MirrorParams p;
    p.offset = 0;
    p.flipAgain = false;
    p.mirrorType = mirrorType_;
    const double offsets[4] = {0, 0, 0, 0};
    RunRectangleCut(p, corners, offsets, paths_, meshes_);
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

void VRectangularCutUI::DisposeMarks() {
    if (!outline_) return;
    ArtHandle outline = outline_;
    outline_ = nullptr;
    sb::DisposeArt(outline);
}

void VRectangularCutUI::ApplyFromAction(float ch, float cv, float w, float h, int32_t type) {
    const float hw = w / 2.0f, hh = h / 2.0f;
    const RealPoint corners[4] = {{ch - hw, cv + hh}, {ch - hw, cv - hh}, {ch + hw, cv - hh}, {ch + hw, cv + hh}};
    mirrorType_ = type;
    ReleaseSelection();
    try {
        TakeSelection();
        CutToRectangle(corners);
    } catch (...) {
        ReleaseSelection();
        throw;
    }
    ReleaseSelection();
    fromCentre_ = true;
    drag_.Set(RealPoint{ch, cv}, hw, hh);
    RecordRectCutAction();
}

void VRectangularCutUI::RecordRectCutAction() {
    RecordToolAction(action_, 0, [&](sb::ActionParamValue& value) {
        const RealPoint& start = drag_.Anchor();
        const float dragH = drag_.H(), dragV = drag_.V();
        double ch, cv, w, h;
        if (fromCentre_) {
            ch = start.h;
            cv = start.v;
            w = std::fabs(2.0f * dragH);
            h = std::fabs(2.0f * dragV);
        } else {
            ch = start.h + dragH / 2.0f;
            cv = start.v + dragV / 2.0f;
            w = std::fabs(dragH);
            h = std::fabs(dragV);
        }
        WriteActionCentre(value, ch, cv);
        WriteActionSize(value, w, h);
        value.SetInteger(actionkey::kMirrorType, mirrorType_);
    });
}

void VRectangularCutUI::PlayBack(SBActionParamValueRef values) {
    const RealPoint centre = ReadActionCentre(values);
    const RealPoint size = ReadActionSize(values);
    const int32_t type = sb::GetActionInteger(values, actionkey::kMirrorType);
    ApplyFromAction(static_cast<float>(centre.h), static_cast<float>(centre.v), static_cast<float>(size.h),
                    static_cast<float>(size.v), type);
}
