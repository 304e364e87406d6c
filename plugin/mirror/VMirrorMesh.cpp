#include "mirror/VMirrorMesh.h"

#include "frame/sb/Art.h"
#include "geometry/Errors.h"
#include "mirror/VMirrorCrossings.h"
#include "mirror/ZMeshDataCut.h"
#include "mirror/ZMeshDataIO.h"

#include <memory>
#include <vector>

namespace {

void Select(ArtHandle art) { sb::SetArtUserAttr(art, SB_ATTR_SELECTED, SB_ATTR_SELECTED); }

}  // namespace

VMirrorMesh::VMirrorMesh(const MirrorParams& params) : params_(params) {}
VMirrorMesh::~VMirrorMesh() = default;

bool VMirrorMesh::Mirrors() const { return params_.mirrorType == MirrorJoin || params_.mirrorType == MirrorJoinOpen; }

void VMirrorMesh::AddReflection(ZMeshDataCut& data, ArtHandle reference) {
    ArtHandle copy = sb::NewArt(kArtMesh, kPlaceBelow, reference);
    data.Reflect(axis_);
    WriteToMesh(data, copy, 0, data.Columns(), 0, data.Rows());
    Select(copy);
    results_.Append(copy);
}

void VMirrorMesh::Run(const ArtList& meshes) {
    results_.Clear();
    // The same types as the path engine, which refuses any other.
    CheckCondition(params_.mirrorType >= MirrorJoin && params_.mirrorType <= CutAuto);
    axis_ = mirror::AxisFor(params_);

    std::vector<std::unique_ptr<ZMeshDataCut>> read;
    for (int32_t i = 0; i < meshes.Count(); ++i) read.push_back(std::make_unique<ZMeshDataCut>(meshes[i], axis_));

    for (std::unique_ptr<ZMeshDataCut>& d : read) {
        const ArtHandle m = d->Mesh();
        d->Analyse();
        switch (d->GetStatus()) {
            case ZMeshDataCut::WhollyKept:
                results_.Append(m);
                if (Mirrors()) AddReflection(*d, m);
                break;
            case ZMeshDataCut::WhollyRemoved:
                sb::DisposeArt(m);
                break;
            default: {
                d->DumpTrace();
                d->MoveRemovedNodes();
                d->DumpTrace();
                d->FillEmptyCurves();
                d->DumpTrace();
                ArtHandle n = sb::NewArt(kArtMesh, kPlaceBelow, m);
                WriteCut(*d, n);
                Select(n);
                results_.Append(n);
                sb::DisposeArt(m);
                if (Mirrors()) {
                    ZMeshDataCut written(n, axis_);
                    AddReflection(written, n);
                }
                break;
            }
        }
    }
}
