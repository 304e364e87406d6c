// document, view, page-origin, colour-model, fill, stroke, path, path-d, mesh, mesh-point, group, clip,
// select.
#include "cli/CommandTable.h"
#include "cli/ScriptWords.h"

#include "io/Artwork.h"
#include "io/PathData.h"

#include <algorithm>
#include <set>

namespace scribera::cli {

namespace {

using Words = std::vector<std::string>;

SBColor MakeColour(Document& doc, const PaintSpec& p) {
    SBColor c{};
    switch (p.kind) {
        case PaintSpec::None:
            c.kind = SB_COLOR_NONE;
            break;
        case PaintSpec::Colour:
            c = p.colour;
            break;
        case PaintSpec::Linear:
        case PaintSpec::Radial: {
            GradientData g;
            g.kind = p.kind == PaintSpec::Radial ? SB_GRADIENT_RADIAL : SB_GRADIENT_LINEAR;
            for (const GradientStopSpec& s : p.stops) {
                SBGradientStop stop{};
                stop.rampPoint = s.position;
                stop.midPoint = s.midpoint;
                stop.color = s.colour;
                g.stops.push_back(stop);
            }
            c.kind = SB_COLOR_GRADIENT;
            c.c.gradient.gradient = ToHandle<SBGradientHandle>(doc.AddGradient(g));
            // Across the whole page from its centre, until art of its own gives it a place.
            c.c.gradient.origin = {doc.Width() / 2, doc.Height() / 2};
            c.c.gradient.angle = p.angle;
            c.c.gradient.length = doc.Width() / 2;
            c.c.gradient.matrix = {1, 0, 0, 1, 0, 0};
            break;
        }
    }
    return c;
}

bool AddArt(Session& session, io::ArtNode node, std::string* error) {
    io::Artwork art;
    art.art.push_back(std::move(node));
    SBErr err = io::AddToDocument(art, session.Doc(), nullptr, false);
    if (err != SB_OK) {
        *error = "the document refused the art (code " + std::to_string(err) + ")";
        return false;
    }
    return true;
}

void SelectTree(Document& doc, Id art, bool selected) {
    doc.SetUserAttr(art, SB_ATTR_SELECTED, selected ? SB_ATTR_SELECTED : 0);
    for (Id child : doc.Children(art)) SelectTree(doc, child, selected);
}

// Top-level objects by dump index, top first.
bool TopLevel(Document& doc, const Words& words, size_t from, std::vector<Id>* out, std::string* error) {
    std::vector<Id> top = doc.Children(doc.CurrentLayerGroup());
    std::vector<int64_t> indices;
    for (size_t i = from; i < words.size(); ++i) {
        int64_t k = Int(words[i]);
        if (k >= static_cast<int64_t>(top.size())) {
            *error = "no object " + words[i] + " (the layer holds " + std::to_string(top.size()) + ")";
            return false;
        }
        indices.push_back(k);
    }
    std::sort(indices.begin(), indices.end());
    for (int64_t k : indices) out->push_back(top[static_cast<size_t>(k)]);
    return true;
}

bool CheckDocument(ArgCheck& a) {
    if (!a.Exactly(2) || !a.Numbers(1, 2)) return false;
    if (Num(a.words[1]) <= 0 || Num(a.words[2]) <= 0) return a.Fail("the document's width and height must be positive");
    return true;
}

bool RunDocument(PlayState& s, const Words& w, std::string*) {
    double width = Num(w[1]), height = Num(w[2]);
    s.session.NewDocument(width, height);
    Document& d = s.session.Doc();
    d.SetPageOrigin({0, 0});
    d.SetView({0, height, width, 0});
    return true;
}

bool CheckView(ArgCheck& a) { return a.Exactly(4) && a.Numbers(1, 4); }

bool RunView(PlayState& s, const Words& w, std::string*) {
    s.session.Doc().SetView({Num(w[1]), Num(w[4]), Num(w[3]), Num(w[2])});
    return true;
}

bool CheckPageOrigin(ArgCheck& a) { return a.Exactly(2) && a.Numbers(1, 2); }

bool RunPageOrigin(PlayState& s, const Words& w, std::string*) {
    s.session.Doc().SetPageOrigin(PointAt(w, 1));
    return true;
}

bool CheckColourModel(ArgCheck& a) { return a.Exactly(1) && a.OneOf(1, {"rgb", "cmyk", "gray"}); }

bool RunColourModel(PlayState& s, const Words& w, std::string*) {
    s.session.Doc().SetColourModel(w[1] == "cmyk" ? SB_MODEL_CMYK : w[1] == "gray" ? SB_MODEL_GRAY : SB_MODEL_RGB);
    return true;
}

bool CheckPaint(ArgCheck& a) {
    PaintSpec p;
    return ParsePaint(a.words, 1, &p, a.error);
}

enum class Paint { Fill, Stroke };

void SetPaint(Document& doc, const Words& w, Paint which) {
    PaintSpec p;
    std::string unused;
    ParsePaint(w, 1, &p, &unused);
    SBPathStyle style = doc.CurrentStyle();
    SBColor colour = MakeColour(doc, p);
    if (which == Paint::Fill) {
        style.fillPaint = p.kind != PaintSpec::None;
        style.fill.color = colour;
    } else {
        style.strokePaint = p.kind != PaintSpec::None;
        style.stroke.color = colour;
        if (style.stroke.width <= 0) style.stroke.width = 1;
    }
    doc.SetCurrentStyle(style);
}

bool RunFill(PlayState& s, const Words& w, std::string*) {
    SetPaint(s.session.Doc(), w, Paint::Fill);
    return true;
}

bool RunStroke(PlayState& s, const Words& w, std::string*) {
    SetPaint(s.session.Doc(), w, Paint::Stroke);
    return true;
}

bool CheckPath(ArgCheck& a) {
    const Words& w = a.words;
    size_t first = (a.Count() >= 1 && w[1] == "closed") ? 2 : 1;
    if (first >= w.size()) return a.Fail("'path' needs points X,Y");
    for (size_t i = first; i < w.size(); ++i) {
        SBRealPoint p;
        if (!Point(w[i], &p)) return a.Fail("bad point '" + w[i] + "' (X,Y)");
    }
    return true;
}

bool RunPath(PlayState& s, const Words& w, std::string* error) {
    io::ArtNode node;
    size_t first = w[1] == "closed" ? 2 : 1;
    node.closed = first == 2;
    for (size_t i = first; i < w.size(); ++i) {
        SBRealPoint p;
        Point(w[i], &p);
        node.segments.push_back({p, p, p, 1});
    }
    node.style = s.session.Doc().CurrentStyle();
    return AddArt(s.session, std::move(node), error);
}

bool CheckPathData(ArgCheck& a) {
    if (!a.Exactly(1)) return false;
    std::vector<io::Subpath> subpaths;
    std::string why;
    if (!io::ParsePathData(a.words[1], &subpaths, &why)) return a.Fail("bad path data (" + why + ")");
    if (subpaths.empty()) return a.Fail("the path data draws nothing");
    return true;
}

bool RunPathData(PlayState& s, const Words& w, std::string* error) {
    const Document& doc = s.session.Doc();
    std::vector<io::Subpath> subpaths;
    io::ParsePathData(w[1], &subpaths, error);
    io::ArtNode node;
    if (subpaths.size() == 1) {
        node.segments = std::move(subpaths[0].anchors);
        node.closed = subpaths[0].closed;
        node.style = doc.CurrentStyle();
    } else {
        node.kind = ArtKind::Compound;
        for (io::Subpath& sub : subpaths) {
            io::ArtNode child;
            child.segments = std::move(sub.anchors);
            child.closed = sub.closed;
            child.style = doc.CurrentStyle();
            node.children.push_back(std::move(child));
        }
    }
    return AddArt(s.session, std::move(node), error);
}

bool CheckMesh(ArgCheck& a) {
    if (!a.Exactly(6) || !a.Numbers(3, 4)) return false;
    for (size_t i = 1; i <= 2; ++i) {
        int64_t v;
        if (!Integer(a.words[i], &v) || v < 1 || v > 1000)
            return a.Fail("mesh columns and rows must be whole numbers 1..1000");
    }
    return true;
}

bool RunMesh(PlayState& s, const Words& w, std::string* error) {
    const SBPathStyle& style = s.session.Doc().CurrentStyle();
    SBColor colour = style.fill.color;
    if (!style.fillPaint || colour.kind == SB_COLOR_GRADIENT || colour.kind == SB_COLOR_PATTERN ||
        colour.kind == SB_COLOR_NONE) {
        colour = SBColor{};
        colour.kind = SB_COLOR_THREE;
    }
    double left = Num(w[3]), bottom = Num(w[4]), right = Num(w[5]), top = Num(w[6]);
    if (right <= left || top <= bottom) {
        *error = "the mesh's rectangle is empty";
        return false;
    }
    io::ArtNode node;
    node.kind = ArtKind::Mesh;
    node.mesh = MeshGrid::Rectangular(static_cast<int32_t>(Int(w[1])), static_cast<int32_t>(Int(w[2])),
                                      {left, top, right, bottom}, colour);
    return AddArt(s.session, std::move(node), error);
}

bool CheckMeshPoint(ArgCheck& a) {
    if (!a.Exactly(4) || !a.OneOf(2, {"row", "column"}) || !a.Numbers(4, 1)) return false;
    for (size_t i : {1, 3}) {
        int64_t v;
        if (!Integer(a.words[i], &v) || v < 0) return a.Fail("bad index '" + a.words[i] + "'");
    }
    const double t = Num(a.words[4]);
    if (!(t > 0 && t < 1)) return a.Fail("a vertex goes strictly between the curve's nodes (0 < T < 1)");
    return true;
}

// The grid is copied, changed and set back whole: one journalled change.
bool RunMeshPoint(PlayState& s, const Words& w, std::string* error) {
    Document& doc = s.session.Doc();
    std::vector<Id> target;
    if (!TopLevel(doc, Words{w[0], w[1]}, 1, &target, error)) return false;
    const Art* a = doc.Find(target.front());
    if (!a || a->kind != ArtKind::Mesh) {
        *error = "object " + w[1] + " is not a mesh";
        return false;
    }
    MeshGrid grid = a->mesh;
    std::string why;
    if (!grid.AddVertex(w[2] == "column", static_cast<size_t>(Int(w[3])), Num(w[4]), &why)) {
        *error = why;
        return false;
    }
    const SBErr err = doc.SetMesh(a->id, grid);
    if (err != SB_OK) {
        *error = "the document refused the vertex (code " + std::to_string(err) + ")";
        return false;
    }
    return true;
}

// Members given by index, each once.
bool CheckMembers(ArgCheck& a, size_t least, const char* tooFew) {
    if (a.Count() < least) return a.Fail(tooFew);
    if (!a.Indices(1)) return false;
    std::set<std::string> seen(a.words.begin() + 1, a.words.end());
    if (seen.size() != a.Count()) return a.Fail("an index is given twice");
    return true;
}

bool CheckGroup(ArgCheck& a) { return CheckMembers(a, 1, "'group' needs indices"); }
bool CheckClip(ArgCheck& a) { return CheckMembers(a, 2, "'clip' needs the clip path and what it clips"); }

enum class Gather { Group, Clip };

bool GatherMembers(PlayState& s, const Words& w, Gather how, std::string* error) {
    Document& doc = s.session.Doc();
    std::vector<Id> members;
    if (!TopLevel(doc, w, 1, &members, error)) return false;
    if (how == Gather::Clip) {
        const Art* clip = doc.Find(members.front());
        if (!clip || (clip->kind != ArtKind::Path && clip->kind != ArtKind::Compound)) {
            *error = "the topmost object of a clip must be a path or a compound path";
            return false;
        }
    }
    Id group = kNoId;
    SBErr err = doc.NewArt(ArtKind::Group, SB_PLACE_ABOVE, members.front(), &group);
    for (size_t i = 0; err == SB_OK && i < members.size(); ++i)
        err = doc.Reorder(members[i], SB_PLACE_INSIDE_ON_BOTTOM, group);
    if (err == SB_OK && how == Gather::Clip) {
        std::vector<Id> paths{members.front()};
        if (doc.Find(members.front())->kind == ArtKind::Compound) paths = doc.Children(members.front());
        for (Id p : paths) {
            const Art* a = doc.Find(p);
            if (!a || a->kind != ArtKind::Path) continue;
            SBPathStyle style = a->style;
            style.clip = 1;
            if (err == SB_OK) err = doc.SetStyle(p, style);
        }
        if (err == SB_OK) err = doc.SetClipped(group, true);
    }
    if (err != SB_OK) {
        *error = "the document refused the " + w[0] + " (code " + std::to_string(err) + ")";
        return false;
    }
    return true;
}

bool RunGroup(PlayState& s, const Words& w, std::string* error) { return GatherMembers(s, w, Gather::Group, error); }
bool RunClip(PlayState& s, const Words& w, std::string* error) { return GatherMembers(s, w, Gather::Clip, error); }

bool CheckSelect(ArgCheck& a) {
    if (a.Count() == 1 && (a.words[1] == "all" || a.words[1] == "none")) return true;
    if (a.Count() == 0) return a.Fail("'select' expects all, none or indices");
    return a.Indices(1);
}

bool RunSelect(PlayState& s, const Words& w, std::string* error) {
    Document& doc = s.session.Doc();
    std::vector<Id> chosen;
    std::vector<Id> top = doc.Children(doc.CurrentLayerGroup());
    if (w[1] == "all")
        chosen = top;
    else if (w[1] != "none" && !TopLevel(doc, w, 1, &chosen, error))
        return false;
    for (Id a : top) SelectTree(doc, a, false);
    for (Id a : chosen) SelectTree(doc, a, true);
    return true;
}

}  // namespace

std::vector<CommandSpec> DocumentCommands() {
    using C = CommandSpec;
    return {
        {"document", "W H",
         "a new document W wide and H high: page origin (0, 0), one layer, the view showing the whole page",
         CheckDocument, RunDocument, nullptr, C::kMayOpen},
        {"view", "L B R T", "the bounds of the current view", CheckView, RunView},
        {"page-origin", "H V", "the page origin", CheckPageOrigin, RunPageOrigin},
        {"colour-model", "rgb|cmyk", "the document's colour model", CheckColourModel, RunColourModel},
        {"fill", "PAINT",
         "the fill of the art added from now on: none, gray G, rgb R G B, cmyk C M Y K, linear ANGLE STOP..., "
         "radial STOP...",
         CheckPaint, RunFill},
        {"stroke", "PAINT", "the stroke of the art added from now on (PAINT as for fill)", CheckPaint, RunStroke},
        {"path", "[closed] X,Y X,Y ...", "a path of straight segments with corner anchors", CheckPath, RunPath, "Path"},
        {"path-d", "\"DATA\"", "a path from SVG path data; several subpaths make a compound path", CheckPathData,
         RunPathData, "Path"},
        {"mesh", "I J L B R T",
         "a gradient mesh of I columns and J rows over the rectangle, its node colours from the current fill",
         CheckMesh, RunMesh, "Mesh"},
        {"mesh-point", "N row|column K T",
         "a vertex on row (or column) curve K of top-level mesh N at T (0 < T < 1) of the curve's parameter, "
         "coloured as the curve's two nodes blended there",
         CheckMeshPoint, RunMeshPoint, "Add Mesh Point"},
        {"group", "N M ...", "the top-level objects with these indices in a new group", CheckGroup, RunGroup, "Group"},
        {"clip", "N M ...", "the same in a clipping group; the topmost of them is the clip path", CheckClip, RunClip,
         "Clip"},
        {"select", "all|none|N M ...", "the selection, by top-level index (0 is the topmost)", CheckSelect, RunSelect,
         "Select"},
    };
}

}  // namespace scribera::cli
