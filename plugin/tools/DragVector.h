// The drag bookkeeping the drawing tools share: the press point and the cursor's offset from it in
// single precision, kept only when it moved by more than 1e-5.
#pragma once

#include "geometry/GeometryTypes.h"

#include <scribera/SBMessages.h>

class DragVector {
public:
    // A new drag from `anchor`, not moved yet.
    void Start(const RealPoint& anchor);
    // Cursor minus anchor, with Shift making it diagonal when `constrain`. True when it moved by
    // more than 1e-5 in either direction since the last accepted one.
    bool Update(const SBToolMessage* message, bool constrain);
    // Sets the offset without a message (action playback).
    void Set(const RealPoint& anchor, float h, float v);
    // The pointer moved less than one unit.
    bool IsClick() const;

    const RealPoint& Anchor() const { return anchor_; }
    float H() const { return h_; }
    float V() const { return v_; }

private:
    RealPoint anchor_{0, 0};
    float h_ = 0.0f;
    float v_ = 0.0f;
};
