#include "tools/MeshCurveGrid.h"

#include "geometry/Errors.h"

#include <utility>

namespace {

template <class T>
T& At(std::vector<T>& items, int32_t index) {
    CheckCondition(index >= 0 && static_cast<size_t>(index) < items.size());
    return items[static_cast<size_t>(index)];
}

template <class T>
const T& At(const std::vector<T>& items, int32_t index) {
    CheckCondition(index >= 0 && static_cast<size_t>(index) < items.size());
    return items[static_cast<size_t>(index)];
}

}  // namespace

MeshCurveGrid::MeshCurveGrid(int32_t columns, int32_t rows, std::vector<ZPathList> rowCurves,
                             std::vector<ZPathList> columnCurves, std::vector<SBColor> colours)
    : columns_(columns),
      rows_(rows),
      colours_(std::move(colours)),
      rowCurves_(std::move(rowCurves)),
      columnCurves_(std::move(columnCurves)) {
    CheckCondition(columns >= 1 && rows >= 1);
    const size_t I = static_cast<size_t>(columns), J = static_cast<size_t>(rows);
    CheckCondition(rowCurves_.size() == (J + 1) * I && columnCurves_.size() == (I + 1) * J &&
                   colours_.size() == (I + 1) * (J + 1));
}

const ZPathList& MeshCurveGrid::RowCurve(int32_t index) const { return At(rowCurves_, index); }
const ZPathList& MeshCurveGrid::ColumnCurve(int32_t index) const { return At(columnCurves_, index); }
void MeshCurveGrid::SetRowCurve(int32_t index, const ZPathList& curve) { At(rowCurves_, index) = curve; }
void MeshCurveGrid::SetColumnCurve(int32_t index, const ZPathList& curve) { At(columnCurves_, index) = curve; }
const SBColor& MeshCurveGrid::Colour(int32_t node) const { return At(colours_, node); }
