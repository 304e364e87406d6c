// The art tree, paths, groups, matching art and the document's geometry.
#include "core/suites/SuiteTables.h"
#include "core/suites/SuiteUtil.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace scribera::suites {

namespace art {
constexpr const char* kSuite = kSBArtSuite;

SBErr NewArt(int16_t kind, int16_t placement, SBArtHandle reference, SBArtHandle* out) {
    SB_ENTER();
    SB_NEED(out);
    if (reference) {
        SB_ART(ref, reference);
        (void)ref;
    }
    if (kind == SB_ART_ANY) return SB_ERR_BAD_PARAM;
    Id id = kNoId;
    if (SBErr e = S.Doc().NewArt(ArtKind(kind), placement, FromHandle(reference), &id)) return e;
    *out = ToHandle<SBArtHandle>(id);
    return SB_OK;
}

SBErr DisposeArt(SBArtHandle handle) {
    SB_ENTER();
    SB_ART(a, handle);
    return S.Doc().Dispose(a->id);
}

SBErr ReorderArt(SBArtHandle handle, int16_t placement, SBArtHandle reference) {
    SB_ENTER();
    SB_ART(a, handle);
    if (reference) {
        SB_ART(ref, reference);
        (void)ref;
    }
    return S.Doc().Reorder(a->id, placement, FromHandle(reference));
}

SBErr DuplicateArt(SBArtHandle handle, int16_t placement, SBArtHandle reference, SBArtHandle* copy) {
    SB_ENTER();
    SB_NEED(copy);
    SB_ART(a, handle);
    if (reference) {
        SB_ART(ref, reference);
        (void)ref;
    }
    Id id = kNoId;
    if (SBErr e = S.Doc().Duplicate(a->id, placement, FromHandle(reference), &id)) return e;
    *copy = ToHandle<SBArtHandle>(id);
    return SB_OK;
}

SBErr GetFirstArtOfLayer(SBLayerHandle layer, SBArtHandle* out) {
    SB_ENTER();
    SB_NEED(out);
    Id group = S.Doc().CurrentLayerGroup();
    if (layer) {
        auto layers = S.Doc().LayerGroups();
        if (std::find(layers.begin(), layers.end(), FromHandle(layer)) == layers.end())
            return Unknown(S, kSuite, op_, FromHandle(layer));
        group = FromHandle(layer);
    }
    *out = ToHandle<SBArtHandle>(group);
    return SB_OK;
}

SBErr GetArtParent(SBArtHandle handle, SBArtHandle* out) {
    SB_ENTER();
    SB_NEED(out);
    SB_ART(a, handle);
    *out = ToHandle<SBArtHandle>(a->parent);
    return SB_OK;
}

SBErr GetArtFirstChild(SBArtHandle handle, SBArtHandle* out) {
    SB_ENTER();
    SB_NEED(out);
    SB_ART(a, handle);
    *out = ToHandle<SBArtHandle>(a->firstChild);
    return SB_OK;
}

SBErr GetArtSibling(SBArtHandle handle, SBArtHandle* out) {
    SB_ENTER();
    SB_NEED(out);
    SB_ART(a, handle);
    *out = ToHandle<SBArtHandle>(a->next);
    return SB_OK;
}

SBErr GetArtPriorSibling(SBArtHandle handle, SBArtHandle* out) {
    SB_ENTER();
    SB_NEED(out);
    SB_ART(a, handle);
    *out = ToHandle<SBArtHandle>(a->prev);
    return SB_OK;
}

SBErr GetArtType(SBArtHandle handle, int16_t* kind) {
    SB_ENTER();
    SB_NEED(kind);
    SB_ART(a, handle);
    *kind = a->kind == ArtKind::Layer ? int16_t(SB_ART_GROUP) : int16_t(a->kind);
    return SB_OK;
}

SBErr GetArtUserAttr(SBArtHandle handle, int32_t whichAttr, int32_t* attr) {
    SB_ENTER();
    SB_NEED(attr);
    SB_ART(a, handle);
    *attr = a->userAttr & whichAttr;
    return SB_OK;
}

SBErr SetArtUserAttr(SBArtHandle handle, int32_t whichAttr, int32_t attr) {
    SB_ENTER();
    SB_ART(a, handle);
    return S.Doc().SetUserAttr(a->id, whichAttr, attr);
}

SBErr GetArtBounds(SBArtHandle handle, SBRealRect* bounds) {
    SB_ENTER();
    SB_NEED(bounds);
    SB_ART(a, handle);
    // Art without geometry (an empty group or path) has empty bounds at the origin.
    if (!S.Doc().Bounds(a->id, bounds)) *bounds = SBRealRect{0, 0, 0, 0};
    return SB_OK;
}

SBErr ValidArt(SBArtHandle handle, SBBool* valid) {
    SB_ENTER();
    SB_NEED(valid);
    *valid = S.Doc().Exists(FromHandle(handle)) ? 1 : 0;
    return SB_OK;
}

SB_SUITE_TABLE(SBArtSuite, NewArt, DisposeArt, ReorderArt, DuplicateArt, GetFirstArtOfLayer, GetArtParent,
               GetArtFirstChild, GetArtSibling, GetArtPriorSibling, GetArtType, GetArtUserAttr, SetArtUserAttr,
               GetArtBounds, ValidArt);
}  // namespace art

namespace path {
constexpr const char* kSuite = kSBPathSuite;

#define SB_PATH(var, handle) \
    SB_ART(var, handle);     \
    if (var->kind != ArtKind::Path) return SB_ERR_BAD_PARAM

SBErr GetPathSegmentCount(SBArtHandle handle, int16_t* count) {
    SB_ENTER();
    SB_NEED(count);
    SB_PATH(a, handle);
    // A count the 16-bit number cannot hold is refused, not cut: a plug-in would rewrite the path
    // from its first 32 767 anchors.
    if (a->segments.size() > 32767) return SB_ERR_RANGE;
    *count = int16_t(a->segments.size());
    return SB_OK;
}

SBErr SetPathSegmentCount(SBArtHandle handle, int16_t count) {
    SB_ENTER();
    SB_PATH(a, handle);
    SB_NEED(count >= 0);
    return S.Doc().SetSegmentCount(a->id, count);
}

SBErr GetPathSegments(SBArtHandle handle, int16_t index, int16_t count, SBPathSegment* segments) {
    SB_ENTER();
    SB_PATH(a, handle);
    SB_NEED(index >= 0 && count >= 0);
    SB_NEED(count == 0 || segments);
    if (size_t(index) + size_t(count) > a->segments.size()) return SB_ERR_RANGE;
    std::copy(a->segments.begin() + index, a->segments.begin() + index + count, segments);
    return SB_OK;
}

SBErr SetPathSegments(SBArtHandle handle, int16_t index, int16_t count, const SBPathSegment* segments) {
    SB_ENTER();
    SB_PATH(a, handle);
    return S.Doc().SetSegments(a->id, index, segments, count);
}

SBErr GetPathClosed(SBArtHandle handle, SBBool* closed) {
    SB_ENTER();
    SB_NEED(closed);
    SB_PATH(a, handle);
    *closed = a->closed ? 1 : 0;
    return SB_OK;
}

SBErr SetPathClosed(SBArtHandle handle, SBBool closed) {
    SB_ENTER();
    SB_PATH(a, handle);
    return S.Doc().SetClosed(a->id, closed != 0);
}

SBErr ReversePathSegments(SBArtHandle handle) {
    SB_ENTER();
    SB_PATH(a, handle);
    return S.Doc().ReverseSegments(a->id);
}

SB_SUITE_TABLE(SBPathSuite, GetPathSegmentCount, SetPathSegmentCount, GetPathSegments, SetPathSegments, GetPathClosed,
               SetPathClosed, ReversePathSegments);
}  // namespace path

namespace group {
constexpr const char* kSuite = kSBGroupSuite;

SBErr GetGroupClipped(SBArtHandle handle, SBBool* clipped) {
    SB_ENTER();
    SB_NEED(clipped);
    SB_ART(a, handle);
    if (a->kind != ArtKind::Group && a->kind != ArtKind::Layer) return SB_ERR_BAD_PARAM;
    *clipped = a->clipped ? 1 : 0;
    return SB_OK;
}

SBErr SetGroupClipped(SBArtHandle handle, SBBool clipped) {
    SB_ENTER();
    SB_ART(a, handle);
    return S.Doc().SetClipped(a->id, clipped != 0);
}

SB_SUITE_TABLE(SBGroupSuite, GetGroupClipped, SetGroupClipped);
}  // namespace group

namespace matching {
constexpr const char* kSuite = kSBMatchingArtSuite;

SBErr GetMatchingArt(const SBMatchingArtSpec* criteria, int16_t numSpecs, SBArtHandle** matches, int32_t* numMatches) {
    SB_ENTER();
    SB_NEED(matches && numMatches);
    SB_NEED(numSpecs >= 0 && (numSpecs == 0 || criteria));
    *matches = nullptr;
    *numMatches = 0;
    std::vector<SBArtHandle> found;
    for (Id id : S.Doc().DocumentOrder()) {
        const Art* a = S.Doc().Find(id);
        for (int16_t i = 0; i < numSpecs; ++i) {
            const SBMatchingArtSpec& m = criteria[i];
            if ((m.kind == SB_ART_ANY || m.kind == int16_t(a->kind)) && (a->userAttr & m.whichAttr) == m.attr) {
                found.push_back(ToHandle<SBArtHandle>(id));
                break;
            }
        }
    }
    // The list is the host's memory even when empty, so the caller frees it in every case.
    void* memory = S.Memory().AllocateMemory(found.size() * sizeof(SBArtHandle));
    if (!memory) return SB_ERR_MEMORY;
    if (!found.empty()) std::memcpy(memory, found.data(), found.size() * sizeof(SBArtHandle));
    *matches = static_cast<SBArtHandle*>(memory);
    *numMatches = int32_t(found.size());
    return SB_OK;
}

SB_SUITE_TABLE(SBMatchingArtSuite, GetMatchingArt);
}  // namespace matching

namespace mdmemory {
constexpr const char* kSuite = kSBMdMemorySuite;

SBErr MdMemoryDisposeHandle(void* handle) {
    SB_ENTER();
    SB_NEED(handle);
    return S.Memory().DisposeMemory(handle) ? SB_OK : SB_ERR_BAD_PARAM;
}

SB_SUITE_TABLE(SBMdMemorySuite, MdMemoryDisposeHandle);
}  // namespace mdmemory

namespace document {
constexpr const char* kSuite = kSBDocumentSuite;

SBErr GetDocumentSize(double* width, double* height) {
    SB_ENTER();
    SB_NEED(width && height);
    *width = S.Doc().Width();
    *height = S.Doc().Height();
    return SB_OK;
}

SBErr GetDocumentRulerOrigin(SBRealPoint* origin) {
    SB_ENTER();
    SB_NEED(origin);
    *origin = S.Doc().PageOrigin();
    return SB_OK;
}

SBErr GetDocumentColorModel(int32_t* model) {
    SB_ENTER();
    SB_NEED(model);
    *model = S.Doc().ColourModel();
    return SB_OK;
}

SB_SUITE_TABLE(SBDocumentSuite, GetDocumentSize, GetDocumentRulerOrigin, GetDocumentColorModel);
}  // namespace document

namespace view {
constexpr const char* kSuite = kSBDocumentViewSuite;

SBErr GetDocumentViewBounds(SBDocumentViewHandle handle, SBRealRect* bounds) {
    SB_ENTER();
    SB_NEED(bounds);
    if (handle) return Unknown(S, kSuite, op_, FromHandle(handle));  // the one view has no handle
    *bounds = S.Doc().View();
    return SB_OK;
}

SB_SUITE_TABLE(SBDocumentViewSuite, GetDocumentViewBounds);
}  // namespace view

namespace undo {
constexpr const char* kSuite = kSBUndoSuite;

SBErr SetUndoTextUS(SBUnicodeStringRef undoText, SBUnicodeStringRef redoText) {
    SB_ENTER();
    SB_KEPT(std::string, u, undoText);
    SB_KEPT(std::string, r, redoText);
    S.Doc().SetUndoText(*u, *r);
    return SB_OK;
}

SBErr UndoChanges() {
    SB_ENTER();
    S.Doc().RevertTransaction();
    return SB_OK;
}

SB_SUITE_TABLE(SBUndoSuite, SetUndoTextUS, UndoChanges);
}  // namespace undo

namespace realmath {
constexpr const char* kSuite = kSBRealMathSuite;

SBErr RealRectUnion(const SBRealRect* a, const SBRealRect* b, SBRealRect* result) {
    SB_ENTER();
    SB_NEED(a && b && result);
    const SBRealRect r{std::min(a->left, b->left), std::max(a->top, b->top), std::max(a->right, b->right),
                       std::min(a->bottom, b->bottom)};
    *result = r;
    return SB_OK;
}

// Closed rectangles: touching edges or corners overlap. Either corner order is accepted.
SBErr RealRectOverlap(const SBRealRect* a, const SBRealRect* b, SBBool* overlap) {
    SB_ENTER();
    SB_NEED(a && b && overlap);
    auto lo = [](double x, double y) { return std::min(x, y); };
    auto hi = [](double x, double y) { return std::max(x, y); };
    const bool h = lo(a->left, a->right) <= hi(b->left, b->right) && lo(b->left, b->right) <= hi(a->left, a->right);
    const bool v = lo(a->bottom, a->top) <= hi(b->bottom, b->top) && lo(b->bottom, b->top) <= hi(a->bottom, a->top);
    *overlap = h && v ? 1 : 0;
    return SB_OK;
}

SBErr RealMatrixSetTranslate(SBRealMatrix* m, double tx, double ty) {
    SB_ENTER();
    SB_NEED(m);
    *m = SBRealMatrix{1, 0, 0, 1, tx, ty};
    return SB_OK;
}

SBErr RealMatrixSetIdentity(SBRealMatrix* m) {
    SB_ENTER();
    SB_NEED(m);
    *m = SBRealMatrix{1, 0, 0, 1, 0, 0};
    return SB_OK;
}

SBErr RealMatrixConcatTranslate(SBRealMatrix* m, double tx, double ty) {
    SB_ENTER();
    SB_NEED(m);
    m->tx += tx;
    m->ty += ty;
    return SB_OK;
}

SBErr RealMatrixConcatScale(SBRealMatrix* m, double sx, double sy) {
    SB_ENTER();
    SB_NEED(m);
    m->a *= sx;
    m->c *= sx;
    m->tx *= sx;
    m->b *= sy;
    m->d *= sy;
    m->ty *= sy;
    return SB_OK;
}

SBErr RealMatrixConcatRotate(SBRealMatrix* m, double radians) {
    SB_ENTER();
    SB_NEED(m);
    const double c = std::cos(radians), s = std::sin(radians);
    auto turn = [&](double& x, double& y) {
        const double nx = c * x - s * y, ny = s * x + c * y;
        x = nx;
        y = ny;
    };
    turn(m->a, m->b);
    turn(m->c, m->d);
    turn(m->tx, m->ty);
    return SB_OK;
}

SB_SUITE_TABLE(SBRealMathSuite, RealRectUnion, RealRectOverlap, RealMatrixSetTranslate, RealMatrixSetIdentity,
               RealMatrixConcatTranslate, RealMatrixConcatScale, RealMatrixConcatRotate);
}  // namespace realmath

SuiteTable ArtTable() { return {&art::kTable, art::kOperations}; }
SuiteTable PathTable() { return {&path::kTable, path::kOperations}; }
SuiteTable GroupTable() { return {&group::kTable, group::kOperations}; }
SuiteTable MatchingArtTable() { return {&matching::kTable, matching::kOperations}; }
SuiteTable MdMemoryTable() { return {&mdmemory::kTable, mdmemory::kOperations}; }
SuiteTable DocumentTable() { return {&document::kTable, document::kOperations}; }
SuiteTable DocumentViewTable() { return {&view::kTable, view::kOperations}; }
SuiteTable UndoTable() { return {&undo::kTable, undo::kOperations}; }
SuiteTable RealMathTable() { return {&realmath::kTable, realmath::kOperations}; }

}  // namespace scribera::suites
