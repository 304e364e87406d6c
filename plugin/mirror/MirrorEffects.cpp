#include "mirror/MirrorEffects.h"

#include "frame/Suites.h"
#include "frame/sb/Art.h"
#include "frame/sb/Require.h"
#include "geometry/ArtTransforms.h"
#include "geometry/Errors.h"
#include "mirror/VMirror.h"
#include "mirror/VMirrorMesh.h"

#include <scribera/SBDictionarySuite.h>
#include <scribera/SBLiveEffectSuite.h>

RectCutHalfSize DefaultRectCutHalfSize = {100.0, 100.0};

namespace {

const SBDictionarySuite& Dict() { return sb::HeldSuite(sDictionary); }

SBDictKey KeyOf(const char* name) {
    SBDictKey key{};
    CheckHostResult(Dict().Key(name, &key));
    return key;
}

bool Knows(SBDictionaryRef dictionary, SBDictKey key) {
    SBBool known = 0;
    CheckHostResult(Dict().IsKnown(dictionary, key, &known));
    return known != 0;
}

void ReadReal(SBDictionaryRef dictionary, const char* name, double& field) {
    const SBDictKey key = KeyOf(name);
    if (Knows(dictionary, key)) CheckHostResult(Dict().GetRealEntry(dictionary, key, &field));
}

void WriteReal(SBDictionaryRef dictionary, const char* name, double value) {
    CheckHostResult(Dict().SetRealEntry(dictionary, KeyOf(name), value));
}

SBErr ParametersChanged(SBLiveEffectMessage* message) {
    return sb::HeldSuite(sLiveEffect).UpdateParameters(message->context);
}

RealPoint CentreOfArt(SBArtHandle art) {
    const SBRealRect r = sb::GetArtBounds(art);
    return RealPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The effect's art and what lies inside it, never its siblings.
void CollectWithin(SBArtHandle art, int16_t kind, ArtList& list) {
    if (sb::GetArtType(art) == kind) list.Append(art);
    if (SBArtHandle child = sb::GetArtFirstChild(art)) CollectArtOfKind(child, kind, list);
}

constexpr const char* kAngle = "ZarvoAngle";
constexpr const char* kOffset = "ZarvoOffset";
constexpr const char* kMirrorType = "ZarvoMirrorType";
constexpr const char* kFlipAgain = "ZarvoFlipAgain";
constexpr const char* kOffsetX = "ZarvoOffsetX";
constexpr const char* kOffsetY = "ZarvoOffsetY";

}  // namespace

void ReadMirrorEffectParameters(SBDictionaryRef dictionary, MirrorParams& params) {
    ReadReal(dictionary, kAngle, params.angle);
    ReadReal(dictionary, kOffset, params.offset);
    const SBDictKey type = KeyOf(kMirrorType);
    if (Knows(dictionary, type)) CheckHostResult(Dict().GetIntegerEntry(dictionary, type, &params.mirrorType));
    const SBDictKey flip = KeyOf(kFlipAgain);
    if (Knows(dictionary, flip)) {
        SBBool value = 0;
        CheckHostResult(Dict().GetBooleanEntry(dictionary, flip, &value));
        params.flipAgain = value != 0;
    }
}

void WriteMirrorEffectParameters(SBDictionaryRef dictionary, const MirrorParams& params) {
    WriteReal(dictionary, kAngle, params.angle);
    WriteReal(dictionary, kOffset, params.offset);
    CheckHostResult(Dict().SetIntegerEntry(dictionary, KeyOf(kMirrorType), params.mirrorType));
    CheckHostResult(Dict().SetBooleanEntry(dictionary, KeyOf(kFlipAgain), params.flipAgain ? 1 : 0));
}

void RunMirror(const MirrorParams& params, const ArtList& paths, const ArtList& meshes) {
    VMirror engine(params);
    VMirrorMesh meshEngine(params);
    engine.Run(paths);
    meshEngine.Run(meshes);
    if (!params.flipAgain) return;
    const ArtList second = engine.Results();
    const ArtList secondMeshes = meshEngine.Results();
    engine.AddAngle(90.0f);
    meshEngine.AddAngle(90.0f);
    engine.Run(second);
    meshEngine.Run(secondMeshes);
}

void RunRectangleCut(MirrorParams params, const RealPoint origins[4], const double offsets[4], const ArtList& paths,
                     const ArtList& meshes) {
    params.angle = 0;
    params.origin = origins[0];
    params.offset = offsets[0];
    VMirror engine(params);
    VMirrorMesh meshEngine(params);
    engine.Run(paths);
    meshEngine.Run(meshes);
    for (int k = 1; k < 4; ++k) {
        const ArtList kept = engine.Results();
        const ArtList keptMeshes = meshEngine.Results();
        params.angle = 90.0 * k;
        params.origin = origins[k];
        params.offset = offsets[k];
        engine.SetParams(params);
        meshEngine.SetParams(params);
        engine.Run(kept);
        meshEngine.Run(keptMeshes);
    }
}

SBErr MirrorEffectEditParameters(SBLiveEffectMessage* message, bool cut) {
    MirrorParams p = DefaultMirrorParams;
    if (cut) p.mirrorType = CutClosed;
    ReadMirrorEffectParameters(message->parameters, p);
    WriteMirrorEffectParameters(message->parameters, p);
    return ParametersChanged(message);
}

SBErr MirrorEffectGo(SBLiveEffectMessage* message) {
    MirrorParams p = DefaultMirrorParams;
    ReadMirrorEffectParameters(message->parameters, p);
    if (!message->art) return 0;
    p.origin = CentreOfArt(message->art);
    p.offset = -p.offset;
    ArtList paths, meshes;
    CollectWithin(message->art, SB_ART_PATH, paths);
    CollectWithin(message->art, SB_ART_MESH, meshes);
    RunMirror(p, paths, meshes);
    return 0;
}

SBErr RectCutEffectEditParameters(SBLiveEffectMessage* message) {
    RectCutHalfSize half = DefaultRectCutHalfSize;
    ReadReal(message->parameters, kOffsetX, half.h);
    ReadReal(message->parameters, kOffsetY, half.v);
    WriteReal(message->parameters, kOffsetX, half.h);
    WriteReal(message->parameters, kOffsetY, half.v);
    return ParametersChanged(message);
}

SBErr RectCutEffectGo(SBLiveEffectMessage* message) {
    RectCutHalfSize half = DefaultRectCutHalfSize;
    ReadReal(message->parameters, kOffsetX, half.h);
    ReadReal(message->parameters, kOffsetY, half.v);
    if (!message->art) return 0;
    const double x = -half.h, y = -half.v;
    MirrorParams p = DefaultMirrorParams;
    p.mirrorType = CutClosed;
    p.flipAgain = false;
    const RealPoint m = CentreOfArt(message->art);
    const RealPoint origins[4] = {m, m, m, m};
    const double offsets[4] = {x, y, x, y};
    ArtList paths, meshes;
    CollectWithin(message->art, SB_ART_PATH, paths);
    CollectWithin(message->art, SB_ART_MESH, meshes);
    RunRectangleCut(p, origins, offsets, paths, meshes);
    return 0;
}
