// The cut of one gradient mesh at a straight line: every row and column curve is cut at the line
// and keeps its parts on the kept side (the side where the line's side test gives 1); the nodes on
// the other side are pulled onto the line and take the colours found where the curves were cut,
// blended along the line; the grid then shrinks to the columns and rows that did not collapse onto
// the line. Reading and writing host meshes is in ZMeshDataIO.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/ItemArray.h"
#include "mirror/ZMeshData.h"

#include <cstdint>
#include <vector>

// A colour found where a curve meets the cut line.
struct ColourSample {
    float s;  // its projection parameter on the cut line
    RealPoint point;
    MeshColour colour;
};

// The part of the grid a cut keeps: columns c0 … c1 and rows r0 … r1.
struct MeshExtent {
    int32_t c0, c1, r0, r1;
};

class ZMeshDataCut : public ZMeshData {
public:
    enum Status : int32_t {
        WhollyKept = 0,     // nothing lies on the removed side
        WhollyRemoved = 1,  // nothing lies on the kept side
        Cut = 2,
    };

    ZMeshDataCut(const ZMeshData& data, const Line& cut, ArtHandle mesh = nullptr);
    // Reads the host mesh (defined with the host I/O).
    ZMeshDataCut(ArtHandle mesh, const Line& cut);
    ~ZMeshDataCut() override;

    ArtHandle Mesh() const { return mesh_; }
    const Line& CutLine() const { return cut_; }
    int32_t GetStatus() const { return status_; }
    const ItemArray<ColourSample>& Samples() const { return samples_; }
    const ZPathList& CutRowCurve(int32_t index) const;
    const ZPathList& CutColumnCurve(int32_t index) const;

    // Cuts the curves, collects the colour samples and sets the status.
    void Analyse();
    // Pulls the nodes off the kept side onto the line, joining the cut curves there.
    void MoveRemovedNodes();
    // Cut curves that kept nothing become straight lines between their (moved) nodes.
    void FillEmptyCurves();
    // Replaces every curve by its cut curve and returns the part of the grid to write.
    MeshExtent ApplyCut();
    // The colour at a point of the line: the samples blended by projection parameter; unchanged
    // when there are none.
    MeshColour SampleColour(const RealPoint& point, const MeshColour& unchanged) const;
    // The state before writing, to the file "junkzzz" in the working folder, when the plug-in
    // was built with ZARVO_MESH_TRACE; nothing otherwise.
    void DumpTrace() const;

    // The length fraction (0 … 1) of path position p along a curve; CheckFailure outside 0 … N.
    static float CurveLengthFraction(const ZPathList& curve, float p);

private:
    void AnalyseCurve(const ZPathList& curve, ZPathList& cut, int32_t startNode, int32_t endNode);
    void AddSample(float position, const ZPathList& curve, const RealPoint& point, int32_t startNode, int32_t endNode);
    bool ColumnCollapsed(int32_t c) const;
    bool RowCollapsed(int32_t r) const;

    ArtHandle mesh_;
    Line cut_;
    int32_t status_ = WhollyKept;
    std::vector<ZPathList> cutRows_;
    std::vector<ZPathList> cutColumns_;
    ItemArray<ColourSample> samples_;
    bool somethingKept_ = false;
    bool somethingCut_ = false;
    bool somethingRemoved_ = false;  // a part of a curve, or a node, lies strictly beyond the line
};
