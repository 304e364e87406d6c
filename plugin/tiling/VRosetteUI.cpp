#include "tiling/VRosetteUI.h"

#include "frame/Preferences.h"
#include "frame/sb/Art.h"
#include "geometry/ArtTransforms.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Numeric.h"
#include "geometry/PathList.h"
#include "geometry/PathListIO.h"
#include "mirror/VMirror.h"

namespace {

constexpr float kKeyPause = 0.5f;

// One straight segment from a to b, as a new open path.
ArtHandle NewRay(const RealPoint& a, const RealPoint& b) {
    ArtHandle path = NewArtOfKind(kArtPath);
    ZPathList list;
    list.Append(BezierSegment{a, a, b, b});
    list.SetClosed(false);
    WritePathList(list, path);
    return path;
}

// Every container above the objects gathering the results will move (clip groups, compound paths or
// the paths themselves), up to the layer.
ArtList ContainersAbove(const ArtList& results) {
    ArtList containers;
    ArtHandle layer = sb::GetFirstArtOfLayer(nullptr);
    for (int32_t i = 0; i < results.Count(); ++i) {
        ArtHandle moved = results.At(i);
        if (ArtHandle clip = FindClipGroupAncestor(moved)) {
            moved = clip;
        } else if (ArtHandle compound = FindCompoundPathAncestor(moved)) {
            moved = compound;
        }
        for (ArtHandle a = sb::GetArtParent(moved); a && a != layer; a = sb::GetArtParent(a))
            containers.AppendUnique(a);
    }
    return containers;
}

// Disposes of the containers left without content, until none is: a group whose only content was
// an emptied group empties in turn.
void DisposeEmptied(ArtList containers) {
    for (bool disposed = true; disposed;) {
        disposed = false;
        for (int32_t i = containers.Count() - 1; i >= 0; --i) {
            if (sb::GetArtFirstChild(containers.At(i))) continue;
            sb::DisposeArt(containers.At(i));
            containers.RemoveAt(i);
            disposed = true;
        }
    }
}

}  // namespace

SBErr VRosetteUI::EditOptions(SBToolMessage*) {
    PreferencesElement element("rosette");
    element.Add("rosettes", params_.rosettes);
    element.Add("mirror", static_cast<int32_t>(params_.mirror ? 1 : 0));
    element.Add("cut", static_cast<int32_t>(params_.cut ? 1 : 0));
    // The file stays open while the panel loads.
    PreferencesFile file(element);
    if (panel_) panel_->Open(&params_);
    return 0;
}

void VRosetteUI::BeginDrag(const SBToolMessage* message) {
    centre_ = message->cursor;
    radius_ = 0.0f;
    angle_ = 0.0f;
    ForgetMarks();
}

bool VRosetteUI::UpdateFromEvent(SBToolMessage* message) {
    keyStep_ = false;
    bool changed = false;
    snap_ = message->event && (message->event->modifiers & SB_MOD_SHIFT) != 0;

    const Vec2f d = Difference(message->cursor, centre_);
    float r = 0.0f, phi = 0.0f;
    CartesianToPolar(d.h, d.v, r, phi);
    float a = phi * 180.0f / kPiF;
    if (snap_) a = SnapRosetteAngle(a, params_.rosettes);
    if (a != angle_ || r != radius_) {
        angle_ = a;
        radius_ = r;
        changed = true;
    }

    if (IsUpArrowDown() && params_.rosettes < kMaxRosettes) {
        ++params_.rosettes;
        keyStep_ = changed = true;
    }
    if (IsDownArrowDown() && params_.rosettes > kMinRosettes) {
        --params_.rosettes;
        keyStep_ = changed = true;
    }
    if (IsCKeyDown()) {
        params_.cut = !params_.cut;
        keyStep_ = changed = true;
    }
    if (IsMKeyDown()) {
        params_.mirror = !params_.mirror;
        keyStep_ = changed = true;
    }
    return changed;
}

void VRosetteUI::Preview() {
    ForgetMarks();
    BuildRosette();
    DrawRosetteGuide();
    if (keyStep_) PauseSeconds(kKeyPause);
}

void VRosetteUI::BuildRosette() {
    const int32_t n = ClampRosettes(params_.rosettes);
    const RosetteWedge wedge = RosetteWedgeFor(params_, centre_, angle_);
    VMirror engine(wedge.first);
    ArtList wedgeArt;
    if (wedge.runFirst) {
        engine.Run(paths_);
        wedgeArt = engine.Results();
    } else {
        wedgeArt = paths_;
    }
    // A whole turn: the selection is the rosette as it stands.
    if (!wedge.runSecond) return;
    engine.SetParams(wedge.second);
    engine.Run(wedgeArt);

    // Gathering takes the results out of the groups they were made in; none is left empty.
    const ArtList containers = ContainersAbove(engine.Results());
    ArtHandle motif = GatherArt(engine.Results());
    if (motif && n > 1) {
        ArtHandle group = NewArtOfKind(kArtGroup);
        sb::ReorderArt(motif, kPlaceInsideOnBottom, group);
        // Every copy starts as the motif: it is read once, not once per copy.
        const ArtSnapshot snapshot(motif);
        for (int32_t i = 1; i < n; ++i) {
            ArtHandle copy = sb::DuplicateArt(motif, kPlaceInsideOnBottom, group);
            const float radians = RosetteCopyRadians(i, n);
            snapshot.WriteRotated(copy, radians, SinF(radians), CosF(radians), centre_);
        }
    }
    DisposeEmptied(containers);
}

void VRosetteUI::DrawRosetteGuide() {
    const int32_t n = ClampRosettes(params_.rosettes);
    double h = 0, v = 0;
    PolarToCartesian(radius_, angle_ * kPiF / 180.0f, h, v);
    const RealPoint end{centre_.h + h, centre_.v + v};
    guide_[0] = NewRay(centre_, end);
    const float back = -360.0f / static_cast<float>(n) * kPiF / 180.0f;
    guide_[1] = NewRay(centre_, RotatePoint(end, centre_, back));
}

void VRosetteUI::ForgetMarks() {
    for (ArtHandle& ray : guide_) ray = nullptr;
}

void VRosetteUI::DisposeMarks() {
    for (ArtHandle& ray : guide_) {
        if (ray) sb::DisposeArt(ray);
        ray = nullptr;
    }
}
