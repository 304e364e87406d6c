// The recorded actions' four-character keys and how an action is described to the host. Recording
// (the tools), registration and playback all spell a key through these names.
#pragma once

#include <scribera/SBActionManagerSuite.h>
#include <scribera/SBTypes.h>

#include <cstdint>

namespace actionkey {

constexpr uint32_t kTool = SB_FOURCC('t', 'o', 'o', 'l');
constexpr uint32_t kCentreX = SB_FOURCC('c', 'n', 't', 'x');
constexpr uint32_t kCentreY = SB_FOURCC('c', 'n', 't', 'y');
constexpr uint32_t kWidth = SB_FOURCC('w', 'd', 't', 'h');
constexpr uint32_t kHeight = SB_FOURCC('h', 'g', 'h', 't');
// Rose.
constexpr uint32_t kRoseRadius = SB_FOURCC('r', 'd', 'u', 's');
constexpr uint32_t kLobes = SB_FOURCC('l', 'o', 'b', 's');
constexpr uint32_t kLobeWidth = SB_FOURCC('l', 'w', 'd', 't');
// Wave.
constexpr uint32_t kWaves = SB_FOURCC('w', 'a', 'v', 's');
// Spiral.
constexpr uint32_t kSpiralRadius = SB_FOURCC('s', 'p', 'r', 'd');
constexpr uint32_t kSpiralTurns = SB_FOURCC('s', 'p', 't', 'u');
constexpr uint32_t kSpiralFermat = SB_FOURCC('s', 'p', 'f', 'e');
// Grid.
constexpr uint32_t kSquaresX = SB_FOURCC('n', 's', 'q', 'x');
constexpr uint32_t kSquaresY = SB_FOURCC('n', 's', 'q', 'y');
constexpr uint32_t kCreateAsSquares = SB_FOURCC('c', 's', 'q', 's');
// Polar mesh.
constexpr uint32_t kOuterRadius = SB_FOURCC('p', 'm', 'o', 'r');
constexpr uint32_t kInnerRadius = SB_FOURCC('p', 'm', 'i', 'r');
constexpr uint32_t kRadialPoints = SB_FOURCC('p', 'm', 'r', 'p');
constexpr uint32_t kCirclePoints = SB_FOURCC('p', 'm', 'c', 'p');
constexpr uint32_t kPolygon = SB_FOURCC('p', 'm', 'p', 'o');
constexpr uint32_t kColourMode = SB_FOURCC('p', 'm', 'c', 'm');
// Mirror, cut and rectangle cut.
constexpr uint32_t kRotate = SB_FOURCC('r', 'o', 't', 'a');
constexpr uint32_t kMirrorType = SB_FOURCC('m', 'i', 't', 'y');
constexpr uint32_t kFlipAgain = SB_FOURCC('f', 'l', 'p', 'a');

}  // namespace actionkey

// One key of an action's parameter description.
struct ActionKey {
    uint32_t key;
    const char* name;  // empty for a hidden key
    uint32_t type;     // 'real', 'long', 'bool'
    bool shown;
};

// A recordable action: the 'tool' code its values carry, the event it is recorded as, and the
// description registered for it.
struct ToolAction {
    int32_t code;
    const char* event;
    const char* displayName;
    const ActionKey* keys;
    int keyCount;
};
