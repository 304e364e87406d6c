#include "tools/VGoldenRect.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"

#include <cmath>

namespace {

constexpr int32_t kInfoVariables[] = {15, 16, 2, -1};
constexpr const char* kEvent = "sb_plugin_zarvo_grect";
constexpr int32_t kDialogStatus = 3;

constexpr uint32_t kKeyTool = SB_FOURCC('t', 'o', 'o', 'l');
constexpr uint32_t kKeyCentreX = SB_FOURCC('c', 'n', 't', 'x');
constexpr uint32_t kKeyCentreY = SB_FOURCC('c', 'n', 't', 'y');
constexpr uint32_t kKeyWidth = SB_FOURCC('w', 'd', 't', 'h');
constexpr uint32_t kKeyHeight = SB_FOURCC('h', 'g', 'h', 't');

float Sign(float x) { return x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f); }

}  // namespace

VGoldenRectangle* VGoldenRectangle::Instance() {
    static VGoldenRectangle instance;
    return &instance;
}

SBErr VGoldenRectangle::EditOptions(SBToolMessage*) { return 0; }

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
        SetInfoValues(kInfoVariables, values);
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
    RecordAction();
    SetUndoRedoText("Undo Golden Rectangle", "Redo Golden Rectangle");
    return VObjectCreationTool::MouseUp(message);
}

void VGoldenRectangle::SetDragVector(float w, float h) {
    w_ = w;
    h_ = h;
}

void VGoldenRectangle::RecordAction() {
    if (!sb::HasActionManager() || !sb::InRecordMode()) return;
    sb::ActionParamValue value;
    if (!value.IsValid()) return;
    value.SetInteger(kKeyTool, kToolCode);
    if (alt_) {
        value.SetUnitReal(kKeyCentreX, SB_UNIT_POINTS, anchor_.h);
        value.SetUnitReal(kKeyCentreY, SB_UNIT_POINTS, anchor_.v);
        value.SetUnitReal(kKeyWidth, SB_UNIT_POINTS, std::fabs(w_));
        value.SetUnitReal(kKeyHeight, SB_UNIT_POINTS, std::fabs(h_));
    } else {
        value.SetUnitReal(kKeyCentreX, SB_UNIT_POINTS, anchor_.h + w_ / 2.0f);
        value.SetUnitReal(kKeyCentreY, SB_UNIT_POINTS, anchor_.v + h_ / 2.0f);
        value.SetUnitReal(kKeyWidth, SB_UNIT_POINTS, std::fabs(w_ / 2.0f));
        value.SetUnitReal(kKeyHeight, SB_UNIT_POINTS, std::fabs(h_ / 2.0f));
    }
    value.Record(kEvent, kDialogStatus);
    value.Delete();
}

void VGoldenRectangle::PlayBack(SBActionParamValueRef values) {
    const double cntx = sb::GetActionReal(values, kKeyCentreX);
    const double cnty = sb::GetActionReal(values, kKeyCentreY);
    const double wdth = sb::GetActionReal(values, kKeyWidth);
    const double hght = sb::GetActionReal(values, kKeyHeight);
    SetDragVector(static_cast<float>(wdth), static_cast<float>(hght));
    anchor_ = RealPoint{static_cast<float>(cntx), static_cast<float>(cnty)};
    alt_ = true;
    Draw();
    RecordAction();
}

void VGoldenRectangle::PlayBackHook(SBActionParamValueRef values, bool) { Instance()->PlayBack(values); }
