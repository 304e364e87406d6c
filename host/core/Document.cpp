#include "core/Document.h"

#include "core/Geometry.h"
#include "core/Journal.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace scribera {

Id NewId() {
    static std::atomic<Id> counter{0};
    return ++counter;
}

namespace {

std::string StyleKey(const ArtStyleData& s) {
    // Byte image of the meaningful fields only (the union's unused bytes stay out).
    std::string key;
    auto put = [&key](const void* p, size_t n) { key.append(static_cast<const char*>(p), n); };
    auto colour = [&](const SBColor& c) {
        put(&c.kind, sizeof c.kind);
        switch (c.kind) {
            case SB_COLOR_GRAY:
                put(&c.c.gray, sizeof c.c.gray);
                break;
            case SB_COLOR_FOUR:
                put(&c.c.four, sizeof c.c.four);
                break;
            case SB_COLOR_THREE:
                put(&c.c.three, sizeof c.c.three);
                break;
            case SB_COLOR_CUSTOM:
                put(&c.c.custom.color, sizeof c.c.custom.color);
                put(&c.c.custom.tint, sizeof c.c.custom.tint);
                break;
            case SB_COLOR_PATTERN:
                put(&c.c.pattern.pattern, sizeof c.c.pattern.pattern);
                put(&c.c.pattern.matrix, sizeof c.c.pattern.matrix);
                break;
            case SB_COLOR_GRADIENT:
                put(&c.c.gradient.gradient, sizeof c.c.gradient.gradient);
                put(&c.c.gradient.origin, sizeof c.c.gradient.origin);
                put(&c.c.gradient.angle, sizeof c.c.gradient.angle);
                put(&c.c.gradient.length, sizeof c.c.gradient.length);
                put(&c.c.gradient.matrix, sizeof c.c.gradient.matrix);
                break;
            default:
                break;
        }
    };
    const SBPathStyle& p = s.style;
    put(&p.fillPaint, sizeof p.fillPaint);
    put(&p.strokePaint, sizeof p.strokePaint);
    colour(p.fill.color);
    put(&p.fill.overprint, sizeof p.fill.overprint);
    colour(p.stroke.color);
    put(&p.stroke.overprint, sizeof p.stroke.overprint);
    put(&p.stroke.width, sizeof p.stroke.width);
    put(&p.clip, sizeof p.clip);
    put(&p.evenOdd, sizeof p.evenOdd);
    put(&s.opacity, sizeof s.opacity);
    return key;
}

bool IsContainer(ArtKind k) { return k == ArtKind::Group || k == ArtKind::Layer || k == ArtKind::Compound; }

bool CanHold(ArtKind container, ArtKind child) {
    if (container == ArtKind::Compound) return child == ArtKind::Path || child == ArtKind::Compound;
    return IsContainer(container);
}

}  // namespace

struct Document::Impl final : Journal::Tree {
    // Art by id, indexed directly from the first id after the document's own: a lookup is one
    // load, which keeps a revert in a document of 100 000 objects as quick as in a small one.
    Id base = NewId();
    std::vector<std::unique_ptr<Art>> table;
    // An erased object is kept as a spare and reused, with its anchor storage: a drag step reverts
    // and rebuilds thousands of paths, and allocating and freeing each was a fifth of such a step.
    // Under a sanitizer every object is freed, so that a stale pointer is caught.
    std::vector<std::unique_ptr<Art>> spare;
#if defined(__SANITIZE_ADDRESS__)
    static constexpr bool kReuse = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    static constexpr bool kReuse = false;
#else
    static constexpr bool kReuse = true;
#endif
#else
    static constexpr bool kReuse = true;
#endif
    std::vector<Id> layers;  // top first
    Id currentLayer = kNoId;

    std::unordered_map<Id, GradientData> gradients;
    std::unordered_map<Id, PatternData> patterns;
    std::unordered_map<Id, CustomColourData> customColours;
    std::unordered_map<Id, ArtStyleData> styles;
    std::unordered_map<std::string, Id> styleIndex;

    Journal journal{*this};

    Art* Raw(Id id) const {
        if (id <= base) return nullptr;
        const size_t i = id - base - 1;
        return i < table.size() ? table[i].get() : nullptr;
    }
    Art& At(Id id) const { return *Raw(id); }
    Art& NewEntry(Id id, const Art* from = nullptr) {
        const size_t i = id - base - 1;
        if (i >= table.size()) {
            table.resize(std::max(i + 1, table.size() * 2));
            liveSeen.resize(table.size());
        }
        if (spare.empty()) {
            table[i] = from ? std::make_unique<Art>(*from) : std::make_unique<Art>();
        } else {
            table[i] = std::move(spare.back());
            spare.pop_back();
            Art& a = *table[i];
            if (from) {
                a = *from;
            } else {
                std::vector<SBPathSegment> storage = std::move(a.segments);
                a = Art();
                storage.clear();
                a.segments = std::move(storage);
            }
        }
        liveSeen[i] = 0;
        return *table[i];
    }

    // Whether an object is live is asked on every host call, and walking up to the layer each time
    // was a tenth of a large drag step. An object found live is stamped with the current epoch; only
    // taking something out of the tree can make a live object dead, and that starts a new epoch.
    mutable std::vector<uint32_t> liveSeen;
    uint32_t liveEpoch = 1;
    void EndLiveEpoch() {
        if (++liveEpoch == 0) {
            std::fill(liveSeen.begin(), liveSeen.end(), 0);
            liveEpoch = 1;
        }
    }
    // Live: reachable from a layer group.
    const Art* Live(Id id) const {
        const Art* a = Raw(id);
        if (!a) return nullptr;
        if (liveSeen[id - base - 1] == liveEpoch) return a;
        const Art* top = a;
        while (top && top->parent != kNoId) top = Raw(top->parent);
        if (!top || top->kind != ArtKind::Layer) return nullptr;
        for (const Art* p = a; p != top; p = Raw(p->parent)) liveSeen[p->id - base - 1] = liveEpoch;
        return a;
    }
    Art* Live(Id id) { return const_cast<Art*>(static_cast<const Impl*>(this)->Live(id)); }

    void Unlink(Art& a) {
        if (a.parent == kNoId) return;
        EndLiveEpoch();
        Art& p = At(a.parent);
        if (a.prev != kNoId)
            At(a.prev).next = a.next;
        else
            p.firstChild = a.next;
        if (a.next != kNoId)
            At(a.next).prev = a.prev;
        else
            p.lastChild = a.prev;
        a.parent = a.prev = a.next = kNoId;
    }
    // Inserts `a` into `parent` above `before` (kNoId: at the bottom).
    void LinkAt(Art& a, Id parent, Id before) {
        if (parent == kNoId) return;
        Art& p = At(parent);
        a.parent = parent;
        if (liveSeen[parent - base - 1] == liveEpoch) liveSeen[a.id - base - 1] = liveEpoch;
        if (before == kNoId) {
            a.prev = p.lastChild;
            a.next = kNoId;
            if (p.lastChild != kNoId)
                At(p.lastChild).next = a.id;
            else
                p.firstChild = a.id;
            p.lastChild = a.id;
        } else {
            Art& b = At(before);
            a.prev = b.prev;
            a.next = before;
            if (b.prev != kNoId)
                At(b.prev).next = a.id;
            else
                p.firstChild = a.id;
            b.prev = a.id;
        }
    }
    // Moves `a` to (parent, before), journalling where it was.
    void Move(Art& a, Id parent, Id before) {
        journal.Moving(a);
        Relink(a, parent, before);
    }

    void Relink(Art& a, Id parent, Id before) override {
        Unlink(a);
        LinkAt(a, parent, before);
    }

    // A copy of `from`'s content, detached, journalled as created.
    Id CreateCopy(const Art& from) {
        Id id = NewId();
        Art& a = NewEntry(id, &from);
        a.id = id;
        a.parent = a.firstChild = a.lastChild = a.prev = a.next = kNoId;
        journal.Created(a);
        return id;
    }

    Id Create(ArtKind kind) {
        Id id = NewId();
        Art& a = NewEntry(id);
        a.id = id;
        a.kind = kind;
        // As in any drawing application, a path made without a style is still visible: a thin black
        // stroke (gray is an amount of ink, 1 is black) and no fill.
        if (kind == ArtKind::Path) {
            a.style.strokePaint = 1;
            a.style.stroke.color.kind = SB_COLOR_GRAY;
            a.style.stroke.color.c.gray.gray = 1;
            a.style.stroke.width = 1;
        }
        journal.Created(a);
        return id;
    }

    void Erase(Id id) override {
        EndLiveEpoch();
        std::unique_ptr<Art>& a = table[id - base - 1];
        if (kReuse && a) {
            if (a->kind == ArtKind::Mesh) a->mesh = MeshGrid();
            spare.push_back(std::move(a));
        }
        a.reset();
    }

    // Visits every descendant of `root` in document order (parents before children, top first)
    // without recursion, so that however deep an imported tree is, the stack does not grow.
    template <class Visit>
    void Walk(Id root, Visit&& visit) const {
        Id c = Raw(root)->firstChild;
        while (c != kNoId) {
            visit(c);
            const Art* a = Raw(c);
            if (a->firstChild != kNoId) {
                c = a->firstChild;
                continue;
            }
            while (c != root && Raw(c)->next == kNoId) c = Raw(c)->parent;
            if (c == root) break;
            c = Raw(c)->next;
        }
    }

    void EraseTree(Id id) {
        if (!Raw(id)) return;
        std::vector<Id> all;
        Walk(id, [&](Id c) { all.push_back(c); });
        for (Id c : all) Erase(c);
        Erase(id);
    }

    Id CopyTree(const Art& src) {
        const Id top = CreateCopy(src);
        // The originals and copies from the top down to the object visited: document order puts
        // each parent before its children, so its parent's pair is on this path.
        std::vector<std::pair<Id, Id>> path{{src.id, top}};
        Walk(src.id, [&](Id c) {
            const Art& from = At(c);
            while (path.back().first != from.parent) path.pop_back();
            const Id copy = CreateCopy(from);
            // Linked without a record: a copy's descendants come and go with it (its own move
            // into place is journalled), and appending at the bottom rebuilds the same order.
            LinkAt(At(copy), path.back().second, kNoId);
            path.emplace_back(c, copy);
        });
        return top;
    }

    void Order(Id id, std::vector<Id>& out) const {
        Walk(id, [&](Id c) { out.push_back(c); });
    }

    // The extent of one object's own geometry (nothing for containers).
    void OwnExtent(const Art& a, geom::Extent& e) const {
        switch (a.kind) {
            case ArtKind::Path: {
                const auto& s = a.segments;
                if (s.empty()) return;
                e.Add(s[0].p);
                const size_t n = s.size();
                const size_t spans = a.closed ? n : n - 1;
                for (size_t i = 0; i < spans; ++i) {
                    const SBPathSegment& from = s[i];
                    const SBPathSegment& to = s[(i + 1) % n];
                    e.AddCubic(from.p, from.out, to.in, to.p);
                }
                return;
            }
            case ArtKind::Mesh:
                for (const SBRealPoint& p : a.mesh.nodes) e.Add(p);
                for (const auto* curves : {&a.mesh.rowCurves, &a.mesh.columnCurves})
                    for (const auto& c : *curves)
                        for (size_t i = 0; i + 3 < c.size(); i += 3) e.AddCubic(c[i], c[i + 1], c[i + 2], c[i + 3]);
                return;
            case ArtKind::Group:
            case ArtKind::Compound:
            case ArtKind::Layer:
                return;
            default:
                if (a.frame.left == 0 && a.frame.right == 0 && a.frame.top == 0 && a.frame.bottom == 0) return;
                e.Add({a.frame.left, a.frame.bottom});
                e.Add({a.frame.right, a.frame.top});
                return;
        }
    }
};

Document::Document(double width, double height)
    : impl_(std::make_unique<Impl>()), width_(width), height_(height), view_{0, height, width, 0} {
    currentStyle_.fillPaint = 1;
    currentStyle_.fill.color.kind = SB_COLOR_GRAY;
    currentStyle_.fill.color.c.gray.gray = 0;
    currentStyle_.strokePaint = 1;
    currentStyle_.stroke.color.kind = SB_COLOR_GRAY;
    currentStyle_.stroke.color.c.gray.gray = 1;
    currentStyle_.stroke.width = 1;
    AddLayer("Layer 1");
}

Document::~Document() = default;

Id Document::AddLayer(const std::string& name) {
    Id id = NewId();
    Art& a = impl_->NewEntry(id);
    a.id = id;
    a.kind = ArtKind::Layer;
    a.text = name;
    impl_->layers.insert(impl_->layers.begin(), id);
    impl_->currentLayer = id;
    return id;
}

SBErr Document::SetCurrentLayer(Id layerGroup) {
    if (std::find(impl_->layers.begin(), impl_->layers.end(), layerGroup) == impl_->layers.end()) return SB_ERR_STALE;
    impl_->currentLayer = layerGroup;
    return SB_OK;
}

Id Document::CurrentLayerGroup() const { return impl_->currentLayer; }
std::vector<Id> Document::LayerGroups() const { return impl_->layers; }

const Art* Document::Find(Id id) const { return impl_->Live(id); }

SBErr Document::NewArt(ArtKind kind, int16_t placement, Id reference, Id* created) {
    switch (kind) {
        case ArtKind::Group:
        case ArtKind::Path:
        case ArtKind::Compound:
        case ArtKind::Text:
        case ArtKind::Placed:
        case ArtKind::Raster:
        case ArtKind::Symbol:
        case ArtKind::PluginArt:
        case ArtKind::Mesh:
            break;
        default:
            return SB_ERR_BAD_PARAM;
    }
    Id parent = kNoId, before = kNoId;
    if (SBErr e = Place(kind, placement, reference, kNoId, &parent, &before)) return e;
    Id id = impl_->Create(kind);
    impl_->Move(impl_->At(id), parent, before);
    if (created) *created = id;
    return SB_OK;
}

SBErr Document::Place(ArtKind kind, int16_t placement, Id reference, Id moving, Id* parent, Id* before) const {
    if (placement < SB_PLACE_ABOVE || placement > SB_PLACE_INSIDE_ON_BOTTOM) return SB_ERR_BAD_PARAM;
    const Art* ref = nullptr;
    if (reference == kNoId) {
        // No reference: the top or the bottom of the current layer.
        ref = impl_->Raw(impl_->currentLayer);
        placement = (placement == SB_PLACE_ABOVE || placement == SB_PLACE_INSIDE_ON_TOP) ? SB_PLACE_INSIDE_ON_TOP
                                                                                         : SB_PLACE_INSIDE_ON_BOTTOM;
    } else {
        ref = impl_->Live(reference);
        if (!ref) return SB_ERR_STALE;
    }
    if (placement == SB_PLACE_ABOVE || placement == SB_PLACE_BELOW) {
        if (ref->parent == kNoId) return SB_ERR_BAD_PARAM;  // beside a layer group
        if (!CanHold(impl_->Raw(ref->parent)->kind, kind)) return SB_ERR_BAD_PARAM;
        *parent = ref->parent;
        *before = placement == SB_PLACE_ABOVE ? ref->id : ref->next;
    } else {
        if (!CanHold(ref->kind, kind)) return SB_ERR_BAD_PARAM;
        *parent = ref->id;
        *before = placement == SB_PLACE_INSIDE_ON_TOP ? ref->firstChild : kNoId;
    }
    if (moving != kNoId) {
        // Never into itself or below itself.
        for (Id p = *parent; p != kNoId; p = impl_->Raw(p)->parent)
            if (p == moving) return SB_ERR_BAD_PARAM;
        if (*before == moving) *before = impl_->Raw(moving)->next;
    }
    return SB_OK;
}

SBErr Document::Dispose(Id art) {
    Art* a = impl_->Live(art);
    if (!a) return SB_ERR_STALE;
    if (a->kind == ArtKind::Layer) return SB_ERR_BAD_PARAM;
    if (impl_->journal.Open()) {
        // Detached, the object and everything inside it stay in the table for a revert or undo.
        impl_->Move(*a, kNoId, kNoId);
    } else {
        impl_->journal.ForgetHistory();
        impl_->Unlink(*a);
        impl_->EraseTree(art);
    }
    return SB_OK;
}

SBErr Document::Reorder(Id art, int16_t placement, Id reference) {
    Art* a = impl_->Live(art);
    if (!a) return SB_ERR_STALE;
    if (a->kind == ArtKind::Layer) return SB_ERR_BAD_PARAM;
    if (reference == art) {
        if (placement == SB_PLACE_ABOVE || placement == SB_PLACE_BELOW) return SB_OK;
        return SB_ERR_BAD_PARAM;
    }
    Id parent = kNoId, before = kNoId;
    if (SBErr e = Place(a->kind, placement, reference, art, &parent, &before)) return e;
    if (parent == a->parent && before == a->next) return SB_OK;
    impl_->Move(*a, parent, before);
    return SB_OK;
}

SBErr Document::Duplicate(Id art, int16_t placement, Id reference, Id* copy) {
    const Art* a = impl_->Live(art);
    if (!a) return SB_ERR_STALE;
    if (a->kind == ArtKind::Layer) return SB_ERR_BAD_PARAM;
    Id parent = kNoId, before = kNoId;
    if (SBErr e = Place(a->kind, placement, reference, kNoId, &parent, &before)) return e;
    Id id = impl_->CopyTree(*a);
    impl_->Move(impl_->At(id), parent, before);
    if (copy) *copy = id;
    return SB_OK;
}

Id Document::Parent(Id art) const {
    const Art* a = impl_->Live(art);
    return a ? a->parent : kNoId;
}
Id Document::FirstChild(Id art) const {
    const Art* a = impl_->Live(art);
    return a ? a->firstChild : kNoId;
}
Id Document::NextSibling(Id art) const {
    const Art* a = impl_->Live(art);
    return a ? a->next : kNoId;
}
Id Document::PriorSibling(Id art) const {
    const Art* a = impl_->Live(art);
    return a ? a->prev : kNoId;
}
std::vector<Id> Document::Children(Id art) const {
    std::vector<Id> out;
    if (const Art* a = impl_->Live(art))
        for (Id c = a->firstChild; c != kNoId; c = impl_->Raw(c)->next) out.push_back(c);
    return out;
}

std::vector<Id> Document::DocumentOrder() const {
    std::vector<Id> out;
    for (Id layer : impl_->layers) impl_->Order(layer, out);
    return out;
}

size_t Document::LiveArtCount() const { return DocumentOrder().size(); }

SBErr Document::SetUserAttr(Id art, int32_t mask, int32_t value) {
    Art* a = impl_->Live(art);
    if (!a) return SB_ERR_STALE;
    const int32_t next = (a->userAttr & ~mask) | (value & mask);
    if (next == a->userAttr) return SB_OK;
    impl_->journal.Touching(*a, ArtField::UserAttr);
    a->userAttr = next;
    return SB_OK;
}

SBErr Document::SetSegments(Id path, int32_t index, const SBPathSegment* segments, int32_t count) {
    Art* a = impl_->Live(path);
    if (!a) return SB_ERR_STALE;
    if (a->kind != ArtKind::Path) return SB_ERR_BAD_PARAM;
    if (count < 0 || index < 0 || (count > 0 && !segments)) return SB_ERR_BAD_PARAM;
    if (int64_t(index) + count > int64_t(a->segments.size())) return SB_ERR_RANGE;
    if (count == 0) return SB_OK;
    impl_->journal.Touching(*a, ArtField::Segments);
    std::copy(segments, segments + count, a->segments.begin() + index);
    return SB_OK;
}

SBErr Document::SetSegmentCount(Id path, int32_t count) {
    Art* a = impl_->Live(path);
    if (!a) return SB_ERR_STALE;
    if (a->kind != ArtKind::Path) return SB_ERR_BAD_PARAM;
    if (count < 0) return SB_ERR_BAD_PARAM;
    if (size_t(count) == a->segments.size()) return SB_OK;
    impl_->journal.Touching(*a, ArtField::Segments);
    SBPathSegment fill{};
    if (!a->segments.empty()) fill = a->segments.back();
    a->segments.resize(size_t(count), fill);
    return SB_OK;
}

SBErr Document::SetClosed(Id path, bool closed) {
    Art* a = impl_->Live(path);
    if (!a) return SB_ERR_STALE;
    if (a->kind != ArtKind::Path) return SB_ERR_BAD_PARAM;
    if (a->closed == closed) return SB_OK;
    impl_->journal.Touching(*a, ArtField::Closed);
    a->closed = closed;
    return SB_OK;
}

SBErr Document::ReverseSegments(Id path) {
    Art* a = impl_->Live(path);
    if (!a) return SB_ERR_STALE;
    if (a->kind != ArtKind::Path) return SB_ERR_BAD_PARAM;
    if (a->segments.empty()) return SB_OK;
    impl_->journal.Touching(*a, ArtField::Segments);
    std::reverse(a->segments.begin(), a->segments.end());
    for (SBPathSegment& s : a->segments) std::swap(s.in, s.out);
    return SB_OK;
}

SBErr Document::SetStyle(Id path, const SBPathStyle& style) {
    Art* a = impl_->Live(path);
    if (!a) return SB_ERR_STALE;
    impl_->journal.Touching(*a, ArtField::Style);
    a->style = style;
    return SB_OK;
}

SBErr Document::SetOpacity(Id art, double opacity) {
    Art* a = impl_->Live(art);
    if (!a) return SB_ERR_STALE;
    if (!(opacity >= 0 && opacity <= 1)) return SB_ERR_BAD_PARAM;
    if (a->opacity == opacity) return SB_OK;
    impl_->journal.Touching(*a, ArtField::Opacity);
    a->opacity = opacity;
    return SB_OK;
}

SBErr Document::SetBlendMode(Id art, int32_t mode) {
    Art* a = impl_->Live(art);
    if (!a) return SB_ERR_STALE;
    if (a->blendMode == mode) return SB_OK;
    impl_->journal.Touching(*a, ArtField::BlendMode);
    a->blendMode = mode;
    return SB_OK;
}

SBErr Document::SetClipped(Id group, bool clipped) {
    Art* a = impl_->Live(group);
    if (!a) return SB_ERR_STALE;
    if (a->kind != ArtKind::Group) return SB_ERR_BAD_PARAM;
    if (a->clipped == clipped) return SB_OK;
    impl_->journal.Touching(*a, ArtField::Clipped);
    a->clipped = clipped;
    return SB_OK;
}

SBErr Document::SetMesh(Id mesh, const MeshGrid& grid) {
    Art* a = impl_->Live(mesh);
    if (!a) return SB_ERR_STALE;
    if (a->kind != ArtKind::Mesh) return SB_ERR_BAD_PARAM;
    impl_->journal.Touching(*a, ArtField::Mesh);
    a->mesh = grid;
    a->mesh.layoutStamp = MeshGrid::NewLayoutStamp();
    return SB_OK;
}

MeshGrid* Document::MutableMesh(Id mesh) {
    Art* a = impl_->Live(mesh);
    if (!a || a->kind != ArtKind::Mesh) return nullptr;
    impl_->journal.Touching(*a, ArtField::Mesh);
    return &a->mesh;
}

SBErr Document::SetText(Id art, const std::string& text, const SBRealRect& frame) {
    Art* a = impl_->Live(art);
    if (!a) return SB_ERR_STALE;
    impl_->journal.Touching(*a, ArtField::Text);
    a->text = text;
    a->frame = frame;
    return SB_OK;
}

bool Document::Bounds(Id art, SBRealRect* bounds) const {
    const Art* a = impl_->Live(art);
    if (!a) return false;
    geom::Extent e;
    impl_->OwnExtent(*a, e);
    impl_->Walk(art, [&](Id c) { impl_->OwnExtent(impl_->At(c), e); });
    if (e.empty) return false;
    if (bounds) *bounds = SBRealRect{e.minH, e.maxV, e.maxH, e.minV};
    return true;
}

Id Document::AddGradient(const GradientData& gradient) {
    Id id = NewId();
    impl_->gradients[id] = gradient;
    return id;
}
const GradientData* Document::FindGradient(Id id) const {
    auto it = impl_->gradients.find(id);
    return it == impl_->gradients.end() ? nullptr : &it->second;
}
Id Document::AddPattern(const PatternData& pattern) {
    Id id = NewId();
    impl_->patterns[id] = pattern;
    return id;
}
const PatternData* Document::FindPattern(Id id) const {
    auto it = impl_->patterns.find(id);
    return it == impl_->patterns.end() ? nullptr : &it->second;
}
Id Document::AddCustomColour(const CustomColourData& colour) {
    Id id = NewId();
    impl_->customColours[id] = colour;
    return id;
}
const CustomColourData* Document::FindCustomColour(Id id) const {
    auto it = impl_->customColours.find(id);
    return it == impl_->customColours.end() ? nullptr : &it->second;
}
Id Document::InternArtStyle(const ArtStyleData& style) {
    std::string key = StyleKey(style);
    auto it = impl_->styleIndex.find(key);
    if (it != impl_->styleIndex.end()) return it->second;
    Id id = NewId();
    impl_->styles[id] = style;
    impl_->styleIndex.emplace(std::move(key), id);
    return id;
}
const ArtStyleData* Document::FindArtStyle(Id id) const {
    auto it = impl_->styles.find(id);
    return it == impl_->styles.end() ? nullptr : &it->second;
}

void Document::BeginTransaction() { impl_->journal.Begin(); }
void Document::EndTransaction() { impl_->journal.End(); }
bool Document::InTransaction() const { return impl_->journal.Open(); }
void Document::RevertTransaction() { impl_->journal.Revert(); }
void Document::SetUndoText(const std::string& undo, const std::string& redo) { impl_->journal.SetTexts(undo, redo); }
bool Document::CanUndo() const { return impl_->journal.CanUndo(); }
bool Document::CanRedo() const { return impl_->journal.CanRedo(); }
SBErr Document::Undo() { return impl_->journal.Undo(); }
SBErr Document::Redo() { return impl_->journal.Redo(); }
std::vector<std::string> Document::UndoNames() const { return impl_->journal.UndoNames(); }
std::vector<std::string> Document::RedoNames() const { return impl_->journal.RedoNames(); }
size_t Document::PendingChanges() const { return impl_->journal.Pending(); }

}  // namespace scribera
