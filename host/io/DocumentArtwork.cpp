#include "io/Artwork.h"

#include <map>

namespace scribera::io {

namespace {

class Reader {
public:
    explicit Reader(const Document& doc) : doc_(doc) {}

    Artwork Run() {
        for (Id layer : doc_.LayerGroups()) {
            for (Id child : doc_.Children(layer))
                if (const Art* art = doc_.Find(child)) out_.art.push_back(Node(*art));
        }
        return std::move(out_);
    }

private:
    ArtNode Node(const Art& art) {
        ArtNode n;
        n.kind = art.kind == ArtKind::Layer ? ArtKind::Group : art.kind;
        n.selected = (art.userAttr & SB_ATTR_SELECTED) != 0;
        n.segments = art.segments;
        n.closed = art.closed;
        n.style = art.style;
        Colour(n.style.fill.color);
        Colour(n.style.stroke.color);
        n.clipped = art.clipped;
        n.opacity = art.opacity;
        n.blendMode = art.blendMode;
        n.mesh = art.mesh;
        for (SBColor& c : n.mesh.colours) Colour(c);
        n.text = art.text;
        n.frame = art.frame;
        for (Id child : doc_.Children(art.id))
            if (const Art* c = doc_.Find(child)) n.children.push_back(Node(*c));
        return n;
    }

    // Document ids become 1-based table indices, in order of first use.
    void Colour(SBColor& c) {
        if (c.kind == SB_COLOR_GRADIENT) {
            Id id = FromHandle(c.c.gradient.gradient);
            auto it = gradients_.find(id);
            size_t index;
            if (it != gradients_.end()) {
                index = it->second;
            } else {
                const GradientData* g = doc_.FindGradient(id);
                GradientData copy = g ? *g : GradientData{};
                for (SBGradientStop& s : copy.stops) Colour(s.color);
                out_.gradients.push_back(copy);
                index = gradients_[id] = out_.gradients.size();
            }
            c.c.gradient.gradient = IndexHandle<SBGradientHandle>(index);
        } else if (c.kind == SB_COLOR_CUSTOM) {
            Id id = FromHandle(c.c.custom.color);
            auto it = customs_.find(id);
            size_t index;
            if (it != customs_.end()) {
                index = it->second;
            } else {
                const CustomColourData* d = doc_.FindCustomColour(id);
                out_.customColours.push_back(d ? *d : CustomColourData{});
                index = customs_[id] = out_.customColours.size();
            }
            c.c.custom.color = IndexHandle<SBCustomColorHandle>(index);
        } else if (c.kind == SB_COLOR_PATTERN) {
            Id id = FromHandle(c.c.pattern.pattern);
            auto it = patterns_.find(id);
            size_t index;
            if (it != patterns_.end()) {
                index = it->second;
            } else {
                const PatternData* d = doc_.FindPattern(id);
                out_.patterns.push_back(d ? *d : PatternData{});
                index = patterns_[id] = out_.patterns.size();
            }
            c.c.pattern.pattern = IndexHandle<SBPatternHandle>(index);
        }
    }

    const Document& doc_;
    Artwork out_;
    std::map<Id, size_t> gradients_, customs_, patterns_;
};

class Adder {
public:
    Adder(const Artwork& artwork, Document& doc, bool tableColours)
        : art_(artwork), doc_(doc), tableColours_(tableColours) {}

    SBErr Run(std::vector<Id>* created) {
        for (const CustomColourData& c : art_.customColours) customs_.push_back(doc_.AddCustomColour(c));
        for (const PatternData& p : art_.patterns) patterns_.push_back(doc_.AddPattern(p));
        for (GradientData g : art_.gradients) {
            for (SBGradientStop& s : g.stops) Colour(s.color);
            gradients_.push_back(doc_.AddGradient(g));
        }
        Id layer = doc_.CurrentLayerGroup();
        // Each new object goes on top, so the bottom one comes first.
        for (auto it = art_.art.rbegin(); it != art_.art.rend(); ++it) {
            Id id = kNoId;
            SBErr err = Node(*it, layer, &id);
            if (err != SB_OK) return err;
            if (created) created->insert(created->begin(), id);
        }
        return SB_OK;
    }

private:
    void Colour(SBColor& c) const {
        if (!tableColours_) return;
        auto map = [](const std::vector<Id>& table, size_t index) {
            return index >= 1 && index <= table.size() ? table[index - 1] : kNoId;
        };
        if (c.kind == SB_COLOR_GRADIENT)
            c.c.gradient.gradient = ToHandle<SBGradientHandle>(map(gradients_, HandleIndex(c.c.gradient.gradient)));
        else if (c.kind == SB_COLOR_CUSTOM)
            c.c.custom.color = ToHandle<SBCustomColorHandle>(map(customs_, HandleIndex(c.c.custom.color)));
        else if (c.kind == SB_COLOR_PATTERN)
            c.c.pattern.pattern = ToHandle<SBPatternHandle>(map(patterns_, HandleIndex(c.c.pattern.pattern)));
    }

    SBErr Node(const ArtNode& n, Id parent, Id* made) {
        Id id = kNoId;
        SBErr err = doc_.NewArt(n.kind, SB_PLACE_INSIDE_ON_TOP, parent, &id);
        if (err != SB_OK) return err;
        *made = id;
        switch (n.kind) {
            case ArtKind::Path: {
                int32_t count = static_cast<int32_t>(n.segments.size());
                err = doc_.SetSegmentCount(id, count);
                if (err == SB_OK && count > 0) err = doc_.SetSegments(id, 0, n.segments.data(), count);
                if (err == SB_OK) err = doc_.SetClosed(id, n.closed);
                SBPathStyle style = n.style;
                Colour(style.fill.color);
                Colour(style.stroke.color);
                if (err == SB_OK) err = doc_.SetStyle(id, style);
                break;
            }
            case ArtKind::Group:
                if (n.clipped) err = doc_.SetClipped(id, true);
                break;
            case ArtKind::Mesh: {
                MeshGrid grid = n.mesh;
                for (SBColor& c : grid.colours) Colour(c);
                err = doc_.SetMesh(id, grid);
                break;
            }
            case ArtKind::Compound:
                break;
            default:
                err = doc_.SetText(id, n.text, n.frame);
                break;
        }
        if (err == SB_OK && n.opacity != 1) err = doc_.SetOpacity(id, n.opacity);
        if (err == SB_OK && n.blendMode != 0) err = doc_.SetBlendMode(id, n.blendMode);
        if (err == SB_OK && n.selected) err = doc_.SetUserAttr(id, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
        for (auto it = n.children.rbegin(); err == SB_OK && it != n.children.rend(); ++it) {
            Id child;
            err = Node(*it, id, &child);
        }
        return err;
    }

    const Artwork& art_;
    Document& doc_;
    bool tableColours_;
    std::vector<Id> customs_, patterns_, gradients_;
};

size_t Count(const ArtNode& n) {
    size_t total = 1;
    for (const ArtNode& c : n.children) total += Count(c);
    return total;
}

}  // namespace

Artwork ReadDocument(const Document& doc) { return Reader(doc).Run(); }

SBErr AddToDocument(const Artwork& artwork, Document& doc, std::vector<Id>* created, bool tableColours) {
    return Adder(artwork, doc, tableColours).Run(created);
}

size_t CountNodes(const std::vector<ArtNode>& nodes) {
    size_t total = 0;
    for (const ArtNode& n : nodes) total += Count(n);
    return total;
}

}  // namespace scribera::io
