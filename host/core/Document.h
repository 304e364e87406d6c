// The stand-in host's document: layers, the art tree, paint, meshes and undo (core/Journal.h).
//
// Every change goes through a method of Document, which records it in the journal of the current
// transaction. Reverting a transaction costs time in proportion to its changes, not to the
// document. Disposed objects are kept (detached) until their transaction can no longer be
// reverted, so a revert or an undo brings them back under their old ids; objects created inside
// reverted changes are gone for good and their ids stay unknown.
#pragma once

#include "core/MeshGrid.h"

#include <scribera/SBTypes.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace scribera {

// Object ids are what plug-ins see as handles. 0 is "none"; ids are never reused.
using Id = uint32_t;
constexpr Id kNoId = 0;

// The next id of the process-wide counter shared by every kind of object (art, gradients, styles,
// strings, iterators, tools, ...), so that an id of one kind is never taken for another.
Id NewId();

template <class Handle>
inline Handle ToHandle(Id id) {
    return reinterpret_cast<Handle>(static_cast<uintptr_t>(id));
}
template <class Handle>
inline Id FromHandle(Handle h) {
    return static_cast<Id>(reinterpret_cast<uintptr_t>(h));
}

enum class ArtKind : int16_t {
    Group = SB_ART_GROUP,
    Path = SB_ART_PATH,
    Compound = SB_ART_COMPOUND_PATH,
    Text = SB_ART_TEXT,
    Placed = SB_ART_PLACED,
    Raster = SB_ART_RASTER,
    Symbol = SB_ART_SYMBOL,
    PluginArt = SB_ART_PLUGIN,
    Mesh = SB_ART_MESH,
    Layer = 100,  // the top-level group of a layer; reported to plug-ins as a group
};

struct Art {
    Id id = kNoId;
    ArtKind kind = ArtKind::Path;
    // The tree as links, so that inserting or removing a child costs the same in a layer of a
    // hundred objects as in one of a hundred thousand. Siblings run from the top of the stacking
    // order down: `firstChild` is the topmost child, `next` the sibling below.
    Id parent = kNoId;
    Id firstChild = kNoId, lastChild = kNoId;
    Id prev = kNoId, next = kNoId;
    int32_t userAttr = 0;  // SB_ATTR_SELECTED, ...

    // Paths.
    std::vector<SBPathSegment> segments;
    bool closed = false;
    SBPathStyle style{};  // paint; colour handles are ids of the document's tables

    // Blending.
    double opacity = 1.0;
    int32_t blendMode = 0;

    // Groups.
    bool clipped = false;

    // Meshes.
    MeshGrid mesh;

    // Other kinds (text, placed images): what the dump shows and where it sits. A layer's name.
    std::string text;
    SBRealRect frame{};
};

struct GradientData {
    int16_t kind = SB_GRADIENT_LINEAR;
    std::string name;
    std::vector<SBGradientStop> stops;  // rampPoint and midPoint in per cent
};

struct PatternData {
    std::string name;
};

struct CustomColourData {
    std::string name;
    SBColor definition{};  // SB_COLOR_FOUR or SB_COLOR_THREE
};

// An art style: a snapshot of paint and opacity. Equal snapshots share one id.
struct ArtStyleData {
    SBPathStyle style{};
    double opacity = 1.0;
};

class Document {
public:
    Document(double width, double height);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Page and view.
    double Width() const { return width_; }
    double Height() const { return height_; }
    SBRealPoint PageOrigin() const { return pageOrigin_; }
    void SetPageOrigin(SBRealPoint origin) { pageOrigin_ = origin; }
    SBRealRect View() const { return view_; }
    void SetView(const SBRealRect& view) { view_ = view; }
    int32_t ColourModel() const { return colourModel_; }
    void SetColourModel(int32_t model) { colourModel_ = model; }

    // The paint new art takes (SBPathStyle with table ids as colour handles).
    const SBPathStyle& CurrentStyle() const { return currentStyle_; }
    void SetCurrentStyle(const SBPathStyle& style) { currentStyle_ = style; }

    // Layers. A document starts with one layer; each layer's art lives in its top-level group.
    // A layer is named by its group's id. Layers are not journalled and never removed.
    Id CurrentLayerGroup() const;
    std::vector<Id> LayerGroups() const;   // top layer first
    Id AddLayer(const std::string& name);  // placed above the others
    SBErr SetCurrentLayer(Id layerGroup);

    // Lookup. Find returns null for ids that are unknown or disposed.
    const Art* Find(Id id) const;
    bool Exists(Id id) const { return Find(id) != nullptr; }

    // Tree edits. Each returns SB_OK or an error code (SB_ERR_STALE for a disposed or unknown id,
    // SB_ERR_BAD_PARAM for an impossible placement) and changes nothing on error.
    SBErr NewArt(ArtKind kind, int16_t placement, Id reference, Id* created);
    SBErr Dispose(Id art);
    SBErr Reorder(Id art, int16_t placement, Id reference);
    SBErr Duplicate(Id art, int16_t placement, Id reference, Id* copy);

    // Tree reads: kNoId when there is none.
    Id Parent(Id art) const;  // kNoId above a layer group
    Id FirstChild(Id art) const;
    Id NextSibling(Id art) const;            // the next one below
    Id PriorSibling(Id art) const;           // the one above
    std::vector<Id> Children(Id art) const;  // top first
    size_t LiveArtCount() const;             // every live object under the layers

    // Attribute edits, journalled.
    SBErr SetUserAttr(Id art, int32_t mask, int32_t value);
    SBErr SetSegments(Id path, int32_t index, const SBPathSegment* segments, int32_t count);
    SBErr SetSegmentCount(Id path, int32_t count);
    SBErr SetClosed(Id path, bool closed);
    SBErr ReverseSegments(Id path);
    SBErr SetStyle(Id path, const SBPathStyle& style);
    SBErr SetOpacity(Id art, double opacity);
    SBErr SetBlendMode(Id art, int32_t mode);
    SBErr SetClipped(Id group, bool clipped);
    SBErr SetMesh(Id mesh, const MeshGrid& grid);
    SBErr SetText(Id art, const std::string& text, const SBRealRect& frame);
    // Changes the mesh in place (mesh points, colours): the journal keeps the state before the
    // first such change of the transaction, whatever `edit` then does.
    template <class Edit>
    SBErr EditMesh(Id mesh, Edit&& edit) {
        MeshGrid* grid = MutableMesh(mesh);
        if (!grid) return SB_ERR_STALE;
        return edit(*grid);
    }

    // Bounds of the art's geometry: the exact extent of path curves (extrema of the cubics), of
    // mesh curves, of the frame of other kinds, the union for groups; false when it has none.
    bool Bounds(Id art, SBRealRect* bounds) const;

    // Every live art object under the layers, in document order (top first, parents before
    // children).
    std::vector<Id> DocumentOrder() const;

    // Paint tables. Entries are never removed while the document lives.
    Id AddGradient(const GradientData& gradient);
    const GradientData* FindGradient(Id id) const;
    Id AddPattern(const PatternData& pattern);
    const PatternData* FindPattern(Id id) const;
    Id AddCustomColour(const CustomColourData& colour);
    const CustomColourData* FindCustomColour(Id id) const;
    Id InternArtStyle(const ArtStyleData& style);
    const ArtStyleData* FindArtStyle(Id id) const;

    // Undo. A transaction is what one top-level message (or one tool drag) changes. Changes made
    // outside a transaction are not journalled (a document being set up).
    void BeginTransaction();
    // Ends the current transaction; it becomes an undo entry when it changed anything.
    void EndTransaction();
    bool InTransaction() const;
    // Reverts the current transaction's changes so far; the transaction stays open.
    void RevertTransaction();
    // Names of the entry the current transaction becomes.
    void SetUndoText(const std::string& undo, const std::string& redo);
    bool CanUndo() const;
    bool CanRedo() const;
    SBErr Undo();
    SBErr Redo();
    // Undo texts of the entries that can be undone, oldest first ("Undo Rose"; "Undo" when unnamed).
    std::vector<std::string> UndoNames() const;
    std::vector<std::string> RedoNames() const;  // the next redo first
    // Changes journalled by the open transaction so far.
    size_t PendingChanges() const;

private:
    MeshGrid* MutableMesh(Id mesh);
    // Where art of `kind` placed relative to `reference` goes: its parent and the sibling it goes
    // above (kNoId: the bottom). `moving` is the art being reordered, if any.
    SBErr Place(ArtKind kind, int16_t placement, Id reference, Id moving, Id* parent, Id* before) const;
    struct Impl;
    std::unique_ptr<Impl> impl_;
    double width_, height_;
    SBRealPoint pageOrigin_{0, 0};
    SBRealRect view_;
    int32_t colourModel_ = SB_MODEL_RGB;
    SBPathStyle currentStyle_{};
};

}  // namespace scribera
