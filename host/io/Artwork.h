// Artwork between a file and a document: the art tree with its paint tables, in document
// coordinates (vertical axis up). Colour handles in styles are 1-based indices into the tables
// here, not document ids, so a whole file can be read and checked before the document is touched.
#pragma once

#include "core/Document.h"

#include <string>
#include <vector>

namespace scribera::io {

struct ArtNode {
    ArtKind kind = ArtKind::Path;
    bool selected = false;
    // Paths.
    std::vector<SBPathSegment> segments;
    bool closed = false;
    SBPathStyle style{};
    // Groups and compound paths.
    std::vector<ArtNode> children;  // top of the stacking order first
    bool clipped = false;
    // Blending.
    double opacity = 1.0;
    int32_t blendMode = 0;
    // Meshes.
    MeshGrid mesh;
    // Other kinds.
    std::string text;
    SBRealRect frame{};
};

struct Artwork {
    std::vector<ArtNode> art;  // top first
    std::vector<GradientData> gradients;
    std::vector<PatternData> patterns;
    std::vector<CustomColourData> customColours;
};

// Table index (1-based, 0 for none) carried in a colour handle field, and back.
template <class Handle>
inline Handle IndexHandle(size_t index) {
    return reinterpret_cast<Handle>(static_cast<uintptr_t>(index));
}
template <class Handle>
inline size_t HandleIndex(Handle h) {
    return static_cast<size_t>(reinterpret_cast<uintptr_t>(h));
}

// The art of every layer of the document, with the paint it uses.
Artwork ReadDocument(const Document& doc);

// Adds the artwork on top of the current layer. Returns SB_OK or the document's error, in which
// case what was added so far stays (the caller reverts its transaction). With `tableColours`
// false the styles already hold document ids (art made from the document's own paint).
SBErr AddToDocument(const Artwork& artwork, Document& doc, std::vector<Id>* created = nullptr,
                    bool tableColours = true);

// Number of path, compound and other leaf objects, for limits and tests.
size_t CountNodes(const std::vector<ArtNode>& nodes);

}  // namespace scribera::io
