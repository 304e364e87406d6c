#include "tools/VGoldenRect.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/Numeric.h"
#include "tools/ActionRecord.h"
#include "tools/InfoVariables.h"

#include <cmath>

namespace {

constexpr int32_t kDialogStatus = 3;

}  // namespace

SBErr VGoldenRectangle::MouseDown(SBToolMessage* message) {
    anchor_ = message->cursor;
    w_ = h_ = 0.0f;
    alt_ = false;
    return VObjectCreationTool::MouseDown(message);
}

bool VGoldenRectangle::UpdateFromDrag(SBToolMessage* message, bool* keyStep) {
    *keyStep = false;
    const float phi = (std::sqrt(5.0f) + 1.0f) / 2.0f;
    const float dh = static_cast<float>(message->cursor.h - anchor_.h);
    const float dv = static_cast<float>(message->cursor.v - anchor_.v);
    float w, h;
    if (std::fabs(dh) > std::fabs(dv)) {
        w = dh;
        h = Sign(dv) * std::fabs(dh) / phi;
    } else {
        h = dv;
        w = Sign(dh) * std::fabs(dv) / phi;
    }
    bool changed = false;
    if (std::fabs(w - w_) > 1e-5f || std::fabs(h - h_) > 1e-5f) {
        w_ = w;
        h_ = h;
        const double values[] = {anchor_.h, anchor_.v, std::fabs(w_)};
        SetInfoValues(infovariables::kCentreWidth, values);
        changed = true;
    }
    if (TrackAltKey(message)) changed = true;
    alt_ = AltState();
    return changed;
}

void VGoldenRectangle::Draw() {
    if (alt_) {
        FitGradient(static_cast<float>(anchor_.h), static_cast<float>(anchor_.v), w_, h_);
    } else {
        FitGradient(static_cast<float>(anchor_.h + w_ / 2.0f), static_cast<float>(anchor_.v + h_ / 2.0f), w_ / 2.0f,
                    h_ / 2.0f);
    }
    ZPathList list = BuildGoldenRectangle(anchor_, w_, h_, alt_);
    WriteShape(list);
}

SBErr VGoldenRectangle::MouseUp(SBToolMessage* message) {
    if (Drew()) {
        RecordAction();
        SetUndoRedoText("Undo Golden Rectangle", "Redo Golden Rectangle");
    }
    return VObjectCreationTool::MouseUp(message);
}

void VGoldenRectangle::SetDragVector(float w, float h) {
    w_ = w;
    h_ = h;
}

void VGoldenRectangle::RecordAction() {
    RecordToolAction(action_, kDialogStatus, [&](sb::ActionParamValue& value) {
        if (alt_) {
            WriteActionCentre(value, anchor_.h, anchor_.v);
            WriteActionSize(value, std::fabs(w_), std::fabs(h_));
        } else {
            WriteActionCentre(value, anchor_.h + w_ / 2.0f, anchor_.v + h_ / 2.0f);
            WriteActionSize(value, std::fabs(w_ / 2.0f), std::fabs(h_ / 2.0f));
        }
    });
}

void VGoldenRectangle::PlayBack(SBActionParamValueRef values) {
    const RealPoint centre = ReadActionCentre(values);
    const RealPoint size = ReadActionSize(values);
    SetDragVector(static_cast<float>(size.h), static_cast<float>(size.v));
    anchor_ = RealPoint{static_cast<float>(centre.h), static_cast<float>(centre.v)};
    alt_ = true;
    Draw();
    if (Drew()) RecordAction();
}
