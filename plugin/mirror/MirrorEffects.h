// The "Mirror...", "Cut..." and "Rectangle cut..." live effects. They keep their parameters only
// in the dictionary of each effect instance.
#pragma once

#include "geometry/ItemArray.h"
#include "mirror/MirrorParams.h"

#include <scribera/SBMessages.h>

// The half sizes the rectangle-cut effect keeps around its art's centre when its dictionary has none.
struct RectCutHalfSize {
    double h;
    double v;
};
extern RectCutHalfSize DefaultRectCutHalfSize;

// Reads the keys the dictionary knows; the others keep their value in `params`.
void ReadMirrorEffectParameters(SBDictionaryRef dictionary, MirrorParams& params);
void WriteMirrorEffectParameters(SBDictionaryRef dictionary, const MirrorParams& params);

SBErr MirrorEffectEditParameters(SBLiveEffectMessage* message, bool cut);
SBErr MirrorEffectGo(SBLiveEffectMessage* message);
SBErr RectCutEffectEditParameters(SBLiveEffectMessage* message);
SBErr RectCutEffectGo(SBLiveEffectMessage* message);

// Runs the path engine on `paths` and the mesh engine on `meshes` and, with flipAgain, both once
// more at 90 degrees on what the first pass produced.
void RunMirror(const MirrorParams& params, const ArtList& paths, const ArtList& meshes);
// Keeps what lies inside four axes: step k uses angle 90·k (plus its own offset) and origin
// origins[k], each step cutting what the one before kept, paths and meshes alike.
void RunRectangleCut(MirrorParams params, const RealPoint origins[4], const double offsets[4], const ArtList& paths,
                     const ArtList& meshes);
