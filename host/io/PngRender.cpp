#include "io/PngRender.h"

#include "io/Affine.h"
#include "io/MeshPatches.h"

#if SCRIBERA_HAVE_CAIRO
#include <cairo.h>
#endif

#include <algorithm>
#include <cmath>

namespace scribera::io {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kLargestSide = 16384;  // a picture of a gigabyte is a mistake, not a request

SBRealRect Area(double width, double height, const PngOptions& options) {
    const SBRealRect& a = options.area;
    if (a.right > a.left && a.top > a.bottom) return a;
    return {0, height, width, 0};
}

#if SCRIBERA_HAVE_CAIRO

// The member paths of a compound path, nested compound paths included, top first.
void MemberPaths(const ArtNode& a, std::vector<const ArtNode*>* out) {
    for (const ArtNode& c : a.children) {
        if (c.kind == ArtKind::Path && !c.segments.empty())
            out->push_back(&c);
        else if (c.kind == ArtKind::Compound)
            MemberPaths(c, out);
    }
}

// A clipping group is clipped by its top member when that member is a clipping path (or a
// compound path of clipping paths); the clipping path itself is not painted.
const ArtNode* ClipMember(const ArtNode& group) {
    if (!group.clipped || group.children.empty()) return nullptr;
    const ArtNode& top = group.children.front();
    if (top.kind == ArtKind::Path) return top.style.clip && !top.segments.empty() ? &top : nullptr;
    if (top.kind != ArtKind::Compound) return nullptr;
    std::vector<const ArtNode*> members;
    MemberPaths(top, &members);
    return !members.empty() && members.front()->style.clip ? &top : nullptr;
}

class Painter {
public:
    Painter(cairo_t* cr, const Artwork& artwork) : cr_(cr), art_(artwork) {}

    // Art lists run from the top down; the bottom is painted first.
    void Draw(const std::vector<ArtNode>& nodes) {
        for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) Node(*it);
    }

private:
    void Node(const ArtNode& a) {
        if (a.opacity <= 0) return;
        bool layered = a.opacity < 1;
        if (layered) cairo_push_group(cr_);
        switch (a.kind) {
            case ArtKind::Path:
                if (!a.segments.empty()) Shape({&a}, a.style);
                break;
            case ArtKind::Compound: {
                // One shape with one fill rule, in the paint of its top member.
                std::vector<const ArtNode*> members;
                MemberPaths(a, &members);
                if (!members.empty()) Shape(members, members.front()->style);
                break;
            }
            case ArtKind::Group:
            case ArtKind::Layer:
                Group(a);
                break;
            case ArtKind::Mesh:
                Mesh(a.mesh);
                break;
            default:
                break;  // text, placed images and the like have nothing drawn here
        }
        if (layered) {
            cairo_pop_group_to_source(cr_);
            cairo_paint_with_alpha(cr_, a.opacity);
        }
    }

    void Group(const ArtNode& g) {
        const ArtNode* clip = ClipMember(g);
        cairo_save(cr_);
        if (clip) {
            std::vector<const ArtNode*> outline;
            if (clip->kind == ArtKind::Path)
                outline.push_back(clip);
            else
                MemberPaths(*clip, &outline);
            cairo_new_path(cr_);
            for (const ArtNode* p : outline) Outline(*p);
            cairo_set_fill_rule(cr_,
                                outline.front()->style.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
            cairo_clip(cr_);
        }
        for (auto it = g.children.rbegin(); it != g.children.rend(); ++it)
            if (&*it != clip) Node(*it);
        cairo_restore(cr_);
    }

    void Outline(const ArtNode& p) {
        const std::vector<SBPathSegment>& s = p.segments;
        cairo_move_to(cr_, s[0].p.h, s[0].p.v);
        auto join = [&](const SBPathSegment& from, const SBPathSegment& to) {
            cairo_curve_to(cr_, from.out.h, from.out.v, to.in.h, to.in.v, to.p.h, to.p.v);
        };
        for (size_t i = 1; i < s.size(); ++i) join(s[i - 1], s[i]);
        if (p.closed) {
            if (s.size() > 1) join(s.back(), s.front());
            cairo_close_path(cr_);
        }
    }

    void Shape(const std::vector<const ArtNode*>& paths, const SBPathStyle& style) {
        cairo_new_path(cr_);
        for (const ArtNode* p : paths) Outline(*p);
        if (style.fillPaint && Source(style.fill.color)) {
            cairo_set_fill_rule(cr_, style.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
            cairo_fill_preserve(cr_);
        }
        if (style.strokePaint && style.stroke.width > 0 && Source(style.stroke.color)) {
            cairo_set_line_width(cr_, style.stroke.width);
            cairo_stroke_preserve(cr_);
        }
        cairo_new_path(cr_);
    }

    // Sets the colour as the source; false when there is nothing to paint.
    bool Source(const SBColor& c) {
        if (c.kind == SB_COLOR_GRADIENT) return Gradient(c.c.gradient);
        Rgb rgb;
        if (!ScreenRgb(c, art_, &rgb)) return false;
        cairo_set_source_rgb(cr_, rgb.red, rgb.green, rgb.blue);
        return true;
    }

    Rgb StopColour(const SBColor& c) const {
        Rgb rgb;
        if (!ScreenRgb(c, art_, &rgb)) rgb = {0, 0, 0};
        return rgb;
    }

    bool Gradient(const SBGradientStyle& gs) {
        size_t index = HandleIndex(gs.gradient);
        if (index < 1 || index > art_.gradients.size()) {
            cairo_set_source_rgb(cr_, 0.5, 0.5, 0.5);
            return true;
        }
        const GradientData& g = art_.gradients[index - 1];
        Affine inverse;
        if (g.stops.empty() || !Affine::From(gs.matrix).Invert(&inverse)) return false;
        cairo_pattern_t* pattern;
        if (g.kind == SB_GRADIENT_RADIAL) {
            pattern = cairo_pattern_create_radial(gs.origin.h, gs.origin.v, 0, gs.origin.h, gs.origin.v, gs.length);
        } else {
            double r = gs.angle * kPi / 180;
            pattern = cairo_pattern_create_linear(gs.origin.h, gs.origin.v, gs.origin.h + gs.length * std::cos(r),
                                                  gs.origin.v + gs.length * std::sin(r));
        }
        cairo_matrix_t m;
        cairo_matrix_init(&m, inverse.a, inverse.b, inverse.c, inverse.d, inverse.e, inverse.f);
        cairo_pattern_set_matrix(pattern, &m);
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
        double last = 0;
        for (size_t i = 0; i < g.stops.size(); ++i) {
            const SBGradientStop& s = g.stops[i];
            double at = std::max(last, std::clamp(s.rampPoint / 100, 0.0, 1.0));
            Rgb rgb = StopColour(s.color), to;
            cairo_pattern_add_color_stop_rgb(pattern, at, rgb.red, rgb.green, rgb.blue);
            // The midpoint, where the colour is halfway to the next stop's, as one more stop.
            if (i + 1 < g.stops.size() && std::fabs(s.midPoint - 50) > 1e-9) {
                double next = std::max(at, std::clamp(g.stops[i + 1].rampPoint / 100, 0.0, 1.0));
                if (next > at && ScreenRgb(s.color, art_, &to) && ScreenRgb(g.stops[i + 1].color, art_, &to)) {
                    Rgb half = Mix(rgb, to, 0.5);
                    double mid = at + (next - at) * std::clamp(s.midPoint / 100, 0.0, 1.0);
                    cairo_pattern_add_color_stop_rgb(pattern, mid, half.red, half.green, half.blue);
                }
            }
            last = at;
        }
        cairo_set_source(cr_, pattern);
        cairo_pattern_destroy(pattern);
        return true;
    }

    void Mesh(const MeshGrid& g) {
        std::vector<CoonsPatch> patches = CoonsPatches(g);
        if (patches.empty()) return;
        cairo_pattern_t* mesh = cairo_pattern_create_mesh();
        for (const CoonsPatch& p : patches) {
            Rgb corner[4];
            for (unsigned k = 0; k < 4; ++k)
                if (!ScreenRgb(g.colours[p.corners[k]], art_, &corner[k])) corner[k] = {0.5, 0.5, 0.5};
            const size_t columns = static_cast<size_t>(g.columns) + 1;
            const std::vector<CoonsPiece> pieces = HasJoinedCurves(g, p.corners[0] % columns, p.corners[0] / columns)
                                                       ? CoonsPieces(g, p.corners[0] % columns, p.corners[0] / columns)
                                                       : std::vector<CoonsPiece>();
            if (pieces.empty()) {
                Patch(mesh, p.sides, corner);
                continue;
            }
            for (const CoonsPiece& piece : pieces) {
                Rgb at[4];
                for (int k = 0; k < 4; ++k)
                    at[k] =
                        Mix(Mix(corner[0], corner[1], piece.u[k]), Mix(corner[3], corner[2], piece.u[k]), piece.v[k]);
                Patch(mesh, piece.sides, at);
            }
        }
        cairo_set_source(cr_, mesh);
        cairo_paint(cr_);
        cairo_pattern_destroy(mesh);
    }

    static void Patch(cairo_pattern_t* mesh, const SBRealPoint (&sides)[4][4], const Rgb (&corner)[4]) {
        cairo_mesh_pattern_begin_patch(mesh);
        cairo_mesh_pattern_move_to(mesh, sides[0][0].h, sides[0][0].v);
        for (const auto& side : sides)
            cairo_mesh_pattern_curve_to(mesh, side[1].h, side[1].v, side[2].h, side[2].v, side[3].h, side[3].v);
        for (unsigned k = 0; k < 4; ++k)
            cairo_mesh_pattern_set_corner_color_rgb(mesh, k, corner[k].red, corner[k].green, corner[k].blue);
        cairo_mesh_pattern_end_patch(mesh);
    }

    cairo_t* cr_;
    const Artwork& art_;
};

// The picture on a new surface, or null with the reason.
cairo_surface_t* Draw(const Artwork& artwork, double width, double height, const PngOptions& options,
                      std::string* error) {
    int w, h;
    double scale;
    if (!PictureSize(width, height, options, &w, &h, &scale, error)) return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        if (error)
            *error = std::string("cannot make a picture: ") + cairo_status_to_string(cairo_surface_status(surface));
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_t* cr = cairo_create(surface);
    if (!options.transparent) {
        cairo_set_source_rgb(cr, options.background.red, options.background.green, options.background.blue);
        cairo_paint(cr);
    }
    // Document units, vertical axis up, onto pixels, vertical axis down.
    SBRealRect area = Area(width, height, options);
    cairo_matrix_t m;
    cairo_matrix_init(&m, scale, 0, 0, -scale, -scale * area.left, scale * area.top);
    cairo_set_matrix(cr, &m);
    cairo_set_miter_limit(cr, 4);  // what SVG viewers use, so that both pictures agree
    Painter(cr, artwork).Draw(artwork.art);
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        if (error) *error = std::string("cannot draw the picture: ") + cairo_status_to_string(status);
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return surface;
}

#endif  // SCRIBERA_HAVE_CAIRO

}  // namespace

bool PictureSize(double width, double height, const PngOptions& options, int* pixelsWide, int* pixelsHigh,
                 double* pixelsPerUnit, std::string* error) {
    SBRealRect area = Area(width, height, options);
    double w = area.right - area.left, h = area.top - area.bottom;
    if (!(w > 0 && h > 0 && std::isfinite(w) && std::isfinite(h))) {
        if (error) *error = "the page has no area";
        return false;
    }
    double scale = options.pixelsPerUnit > 0 ? options.pixelsPerUnit : 1;
    double larger = std::max(w, h);
    if (larger * scale < options.minimumSide) scale = options.minimumSide / larger;
    double pw = std::round(w * scale), ph = std::round(h * scale);
    if (!(pw <= kLargestSide && ph <= kLargestSide)) {
        if (error) *error = "a picture larger than " + std::to_string(kLargestSide) + " pixels a side";
        return false;
    }
    *pixelsWide = std::max(1, static_cast<int>(pw));
    *pixelsHigh = std::max(1, static_cast<int>(ph));
    *pixelsPerUnit = scale;
    return true;
}

bool RenderArtwork(const Artwork& artwork, double width, double height, const PngOptions& options, Picture* out,
                   std::string* error) {
#if SCRIBERA_HAVE_CAIRO
    cairo_surface_t* surface = Draw(artwork, width, height, options, error);
    if (!surface) return false;
    int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    out->width = w;
    out->height = h;
    out->pixels.assign(static_cast<size_t>(w) * h, Pixel{});
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            uint32_t v = row[x];
            unsigned a = v >> 24;
            auto channel = [&](int shift) {
                unsigned c = (v >> shift) & 0xff;
                return static_cast<uint8_t>(a == 0 ? 0 : std::min(255u, (c * 255 + a / 2) / a));
            };
            out->pixels[static_cast<size_t>(y) * w + x] = {channel(16), channel(8), channel(0),
                                                           static_cast<uint8_t>(a)};
        }
    }
    cairo_surface_destroy(surface);
    return true;
#else
    (void)artwork, (void)width, (void)height, (void)options, (void)out;
    if (error) *error = "this build draws no pictures (cairo is missing)";
    return false;
#endif
}

bool WriteArtworkPng(const Artwork& artwork, double width, double height, const PngOptions& options,
                     const std::string& path, std::string* error) {
#if SCRIBERA_HAVE_CAIRO
    std::string why;
    cairo_surface_t* surface = Draw(artwork, width, height, options, &why);
    if (!surface) {
        if (error) *error = path + ": " + why;
        return false;
    }
    cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        if (error) *error = path + ": cannot be written";
        return false;
    }
    return true;
#else
    (void)artwork, (void)width, (void)height, (void)options;
    if (error) *error = path + ": this build draws no pictures (cairo is missing)";
    return false;
#endif
}

bool WritePng(const Document& doc, const PngOptions& options, const std::string& path, std::string* error) {
    return WriteArtworkPng(ReadDocument(doc), doc.Width(), doc.Height(), options, path, error);
}

}  // namespace scribera::io
