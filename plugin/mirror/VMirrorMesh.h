// The mirror and cut of gradient meshes: each mesh is cut at the axis of the same parameters the
// path engine uses, and in the two mirror types what is kept also gets a reflected copy.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/ItemArray.h"
#include "mirror/MirrorParams.h"

class ZMeshDataCut;

class VMirrorMesh {
public:
    explicit VMirrorMesh(const MirrorParams& params);
    virtual ~VMirrorMesh();
    VMirrorMesh(const VMirrorMesh&) = delete;
    VMirrorMesh& operator=(const VMirrorMesh&) = delete;

    void SetParams(const MirrorParams& params) { params_ = params; }
    const MirrorParams& Params() const { return params_; }
    void AddAngle(float degrees) { params_.angle += degrees; }

    // Cuts (and mirrors) the meshes; Results then holds what was produced or kept. Every mesh is
    // read before any is changed, so one the reader cannot use fails the run with all untouched.
    void Run(const ArtList& meshes);
    const ArtList& Results() const { return results_; }
    const Line& Axis() const { return axis_; }

private:
    bool Mirrors() const;
    // A reflected copy of the data in a new mesh below `reference`.
    void AddReflection(ZMeshDataCut& data, ArtHandle reference);

    MirrorParams params_;
    Line axis_;
    ArtList results_;
};
