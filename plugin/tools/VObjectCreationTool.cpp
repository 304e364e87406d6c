#include "tools/VObjectCreationTool.h"

#include "frame/sb/Art.h"
#include "frame/sb/Math.h"
#include "frame/sb/Registry.h"
#include "frame/sb/Style.h"
#include "frame/sb/Undo.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Numeric.h"
#include "geometry/PathListIO.h"

#include <algorithm>
#include <cmath>

// ---- VCentreArt ---------------------------------------------------------------------------------

float VCentreArt::HalfSize(float minH, float maxH, float minV, float maxV) {
    const float larger = std::max(maxH - minH, maxV - minV);
    // A view beyond the integer range (or not a number) would make the cast undefined.
    if (!(larger >= 0.0f) || larger > 2.0e9f) return 0.0f;
    const int32_t size = static_cast<int32_t>(larger);
    return static_cast<float>(size) * 0.002f;
}

void VCentreArt::Draw(const RealPoint& p) {
    ViewExtent(minH_, maxH_, minV_, maxV_);
    strokes_[0] = NewArtOfKind(kArtPath);
    strokes_[1] = NewArtOfKind(kArtPath);
    const double d = HalfSize(minH_, maxH_, minV_, maxV_);
    const RealPoint ends[2][2] = {{{p.h - d, p.v + d}, {p.h + d, p.v - d}}, {{p.h - d, p.v - d}, {p.h + d, p.v + d}}};
    for (int k = 0; k < 2; ++k) {
        ZPathList stroke;
        // Anchors without handles.
        stroke.AppendRaw(BezierSegment{ends[k][0], ends[k][0], ends[k][1], ends[k][1]});
        stroke.SetClosed(false);
        WritePathList(stroke, strokes_[k]);
    }
}

void VCentreArt::Dispose() {
    for (ArtHandle& stroke : strokes_) {
        if (!stroke) continue;
        ArtHandle art = stroke;
        stroke = nullptr;
        sb::DisposeArt(art);
    }
}

void VCentreArt::Forget() { strokes_[0] = strokes_[1] = nullptr; }

// ---- VObjectCreationTool ------------------------------------------------------------------------

SBErr VObjectCreationTool::MouseDown(SBToolMessage* message) {
    DeselectAll();
    drag_.Start(message->cursor);
    altState_ = false;
    drew_ = false;
    centreMark_.Forget();
    capturedStyle_ = sb::GetCurrentPathStyle();
    gradientFill_ = capturedStyle_.fillPaint && capturedStyle_.fill.color.kind == SB_COLOR_GRADIENT;
    if (gradientFill_) gradientKind_ = sb::GetGradientType(capturedStyle_.fill.color.c.gradient.gradient);
    return 0;
}

SBErr VObjectCreationTool::MouseDrag(SBToolMessage* message) {
    bool keyStep = false;
    if (!UpdateFromDrag(message, &keyStep)) return 0;
    sb::UndoChanges();
    // The revert took the previous preview's cross with it.
    centreMark_.Forget();
    Draw();
    if (keyStep) PauseSeconds(0.2f);
    centreMark_.Draw(drag_.Anchor());
    return 0;
}

void VObjectCreationTool::AbandonDrag() {
    centreMark_.Forget();
    drew_ = false;
    DrainKeyboardMessages();
}

SBErr VObjectCreationTool::MouseUp(SBToolMessage*) {
    FinishDrag();
    return 0;
}

void VObjectCreationTool::FinishDrag() {
    DrainKeyboardMessages();
    centreMark_.Dispose();
}

bool VObjectCreationTool::TrackAltKey(const SBToolMessage* message) {
    const bool alt = message->event && (message->event->modifiers & kAlt) != 0;
    if (alt == altState_) return false;
    altState_ = alt;
    return true;
}

void VObjectCreationTool::FitGradient(float centreH, float centreV, float extentA, float extentB) {
    if (!gradientFill_) return;
    SBGradientStyle& gradient = capturedStyle_.fill.color.c.gradient;
    float originH = centreH;
    float originV = centreV;
    if (gradientKind_ == 0) {
        const float theta = static_cast<float>(gradient.angle * double(kPiF) / 180.0);
        const float c = CosF(theta);
        const float s = SinF(theta);
        originH = centreH - std::fabs(extentA) * c;
        originV = centreV - std::fabs(extentB) * s;
        gradient.length = std::fabs(2.0f * extentA * c) + std::fabs(2.0f * extentB * s);
    } else {
        gradient.length = std::sqrt(extentA * extentA + extentB * extentB);
    }
    gradient.origin = RealPoint{originH, originV};
    sb::RealMatrixSetTranslate(&gradient.matrix, 0.0, 0.0);
}

void VObjectCreationTool::SetUndoRedoText(const std::string& undoText, const std::string& redoText) {
    sb::SetUndoRedoText(undoText, redoText);
}

void VObjectCreationTool::SetInfoValues(const int32_t* variables, const double* values) {
    void* pointers[16] = {};
    int count = 0;
    while (variables[count] != -1 && count < 16) {
        pointers[count] = const_cast<double*>(&values[count]);
        ++count;
    }
    sb::SetToolInfoVarValues(variables, pointers);
}

bool VObjectCreationTool::Draws(const ZPathList& list) {
    ZPathList merged = list;
    merged.MergeStraightRuns();
    return merged.Anchors().size() >= 2;
}

ArtHandle VObjectCreationTool::WriteShape(ZPathList& list) {
    drew_ = false;
    // Values that draw nothing (no lobes, no radius, no extent) leave the document as it was.
    if (!Draws(list)) return nullptr;
    ArtHandle path = NewArtOfKind(kArtPath);
    WritePathList(list, path);
    drew_ = true;
    sb::SetArtUserAttr(path, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
    if (gradientFill_) sb::SetPathStyle(path, capturedStyle_);
    return path;
}
