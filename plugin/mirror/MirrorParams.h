// The parameters of every mirror and cut: where the axis lies and what happens at it.
#pragma once

#include "geometry/GeometryTypes.h"

#include <cstdint>

enum MirrorType : int32_t {
    MirrorJoin = 1,
    MirrorJoinOpen = 2,
    CutClosed = 3,
    CutClosedMirrorCopy = 4,
    CutOpen = 5,
    CutOpenMirrorCopy = 6,
    CutAuto = 7,
};

struct MirrorParams {
    double offset = 0.0;     // shift of the axis along its normal, toward the kept side
    double angle = 0.0;      // degrees; 0 gives a vertical axis keeping the right-hand side
    RealPoint origin{0, 0};  // the axis passes through it before the shift
    int32_t mirrorType = MirrorJoin;
    bool flipAgain = false;  // the caller runs a second pass at angle + 90
};

// The program-wide defaults the mirror tool and both live effects start from: offset 0, angle 0,
// origin (0, 0), MirrorJoin, no second pass.
extern MirrorParams DefaultMirrorParams;

// The type a drag asks for by its modifier bits: 0x1000 open, 0x0100 closed (cuts only).
constexpr uint16_t kModifierOpen = 0x1000;
constexpr uint16_t kModifierClosed = 0x0100;
inline int32_t CutTypeOf(uint16_t modifiers) {
    return (modifiers & kModifierOpen) ? CutOpen : ((modifiers & kModifierClosed) ? CutClosed : CutAuto);
}
inline int32_t MirrorTypeOf(uint16_t modifiers) { return (modifiers & kModifierOpen) ? MirrorJoinOpen : MirrorJoin; }
