#include "tools/DragVector.h"

#include "geometry/Numeric.h"

#include <cmath>

void DragVector::Start(const RealPoint& anchor) { Set(anchor, 0.0f, 0.0f); }

void DragVector::Set(const RealPoint& anchor, float h, float v) {
    anchor_ = anchor;
    h_ = h;
    v_ = v;
}

bool DragVector::Update(const SBToolMessage* message, bool constrain) {
    float h = static_cast<float>(message->cursor.h - anchor_.h);
    float v = static_cast<float>(message->cursor.v - anchor_.v);
    if (constrain && message->event && (message->event->modifiers & SB_MOD_SHIFT) != 0) {
        if (std::fabs(h) > std::fabs(v))
            v = Sign(v) * std::fabs(h);
        else
            h = Sign(h) * std::fabs(v);
    }
    if (std::fabs(h - h_) > 1e-5f || std::fabs(v - v_) > 1e-5f) {
        h_ = h;
        v_ = v;
        return true;
    }
    return false;
}

bool DragVector::IsClick() const { return h_ * h_ + v_ * v_ < 1.0f; }
