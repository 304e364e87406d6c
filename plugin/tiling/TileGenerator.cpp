#include "tiling/TileGenerator.h"

#include "frame/sb/Art.h"
#include "frame/sb/Undo.h"
#include "geometry/ArtTransforms.h"
#include "geometry/Numeric.h"
#include "tiling/VSubTileArt.h"
#include "tiling/ZTileCells.h"

#include <cmath>
#include <memory>

ArtHandle BuildCell(const TilePlan& plan, const ArtList& selection, const RealPoint& o, int32_t mode, int32_t closed) {
    const float w = plan.width, h = plan.height;
    std::unique_ptr<ZTile> cell;
    switch (plan.cell) {
        case TileCell::Parallelogram:
            cell = std::make_unique<ZTileParallelogram>(selection, o, w, h, plan.skewAngle, mode, closed);
            break;
        case TileCell::P2:
            cell = std::make_unique<ZTilep2>(selection, o, w, h, plan.skewAngle, plan.apex, mode, closed);
            break;
        case TileCell::P1m:
            cell = std::make_unique<ZTilep1m>(selection, o, w, h, mode, closed);
            break;
        case TileCell::Rectangle:
            cell = std::make_unique<ZTileRectangle>(selection, o, w, h, mode, closed);
            break;
        case TileCell::P2mm:
            cell = std::make_unique<ZTilep2mm>(selection, o, w, h, mode, closed);
            break;
        case TileCell::P2mg:
            cell = std::make_unique<ZTilep2mg>(selection, o, w, h, mode, closed);
            break;
        case TileCell::C1m:
            cell = std::make_unique<ZTilec1m>(selection, o, w, h, mode, closed);
            break;
        case TileCell::C2mm:
            cell = std::make_unique<ZTilec2mm>(selection, o, w, h, mode, closed);
            break;
        case TileCell::P3:
            cell = std::make_unique<ZTilep3>(selection, o, w, h, mode, closed);
            break;
        case TileCell::P3m1:
            cell = std::make_unique<ZTilep3m1>(selection, o, w, h, mode, closed);
            break;
        case TileCell::P31m:
            cell = std::make_unique<ZTilep31m>(selection, o, w, h, mode, closed);
            break;
        case TileCell::P4m:
            cell = std::make_unique<ZTilep4m>(selection, o, w, h, mode, closed);
            break;
        case TileCell::P4g:
            cell = std::make_unique<ZTilep4g>(selection, o, w, h, mode, closed);
            break;
        case TileCell::P6:
            cell = std::make_unique<ZTilep6>(selection, o, w, h, mode, closed);
            break;
        case TileCell::P6m:
            cell = std::make_unique<ZTilep6m>(selection, o, w, h, mode, closed);
            break;
    }
    return cell ? cell->Build() : nullptr;
}

ArtHandle TileGenerator::Assemble(ArtHandle motif, const TilePlan& plan) {
    if (!motif || plan.copies.empty()) return motif;
    ArtHandle group = sb::NewArt(kArtGroup, kPlaceAbove, motif);
    sb::ReorderArt(motif, kPlaceInsideOnBottom, group);
    std::vector<ArtHandle> made;
    for (const TileCopy& c : plan.copies) {
        ArtHandle source = c.ofCopy >= 0 ? made.at(static_cast<size_t>(c.ofCopy)) : motif;
        ArtHandle copy = sb::DuplicateArt(source, kPlaceInsideOnBottom, group);
        if (c.glide) {
            GlideReflectArt(copy, c.dh, c.axisV);
        } else {
            const float radians = c.degrees * kPiF / 180.0f;
            RotateArtAboutPoint(copy, radians, SinF(radians), CosF(radians), c.centre);
        }
        made.push_back(copy);
    }
    return group;
}

bool TileGenerator::Generate(const TileParams& params, const TileDrag& drag, const ArtList& selection,
                             VSubTileArt* guide) {
    sb::UndoChanges();
    tileArt = nullptr;
    if (guide) guide->ForgetGuide();

    const float w = drag.width, h = drag.height;
    if (!(std::fabs(w) >= 1.0f) || !(std::fabs(h) >= 1.0f)) return false;
    if (params.extentMode != 1 && CellTooSmall(drag.extent, w, h)) return false;

    TilePlan plan;
    if (!PlanTile(params.symmetry, drag.cellOrigin, w, h, params.skew, &plan)) return false;
    tileArt = Assemble(BuildCell(plan, selection, drag.cellOrigin, params.tileMode, params.closedCut), plan);
    lattice = plan.lattice;
    if (params.showGuide && guide) guide->DrawGuide(plan.guide);
    return true;
}
