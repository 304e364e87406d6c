#include "io/SvgPaintServers.h"

#include "io/SvgElement.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace scribera::io {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The similarity (scale, rotation, optional reflection) taking `from` to `to` with the direction
// `fromDir` turned into `toDir`.
bool Similarity(SBRealPoint from, SBRealPoint fromDir, SBRealPoint to, SBRealPoint toDir, bool reflect, Affine* out) {
    double wx = fromDir.h, wy = reflect ? -fromDir.v : fromDir.v;
    double lw = std::hypot(wx, wy), lt = std::hypot(toDir.h, toDir.v);
    if (lw == 0 || lt == 0 || !std::isfinite(lw) || !std::isfinite(lt)) return false;
    double s = lt / lw;
    double alpha = std::atan2(toDir.v, toDir.h) - std::atan2(wy, wx);
    double cs = s * std::cos(alpha), sn = s * std::sin(alpha);
    Affine lin{cs, sn, -sn, cs, 0, 0};
    if (reflect) lin = lin * Affine{1, 0, 0, -1, 0, 0};
    SBRealPoint moved = lin.Apply(from);
    lin.e = to.h - moved.h;
    lin.f = to.v - moved.v;
    *out = lin;
    return true;
}

}  // namespace

SvgPaintServers::SvgPaintServers(const SvgIds& ids, Artwork* artwork) : ids_(ids), artwork_(artwork) {}

void SvgPaintServers::SetViewport(double width, double height) {
    viewportWidth_ = width;
    viewportHeight_ = height;
}

SBColor SvgPaintServers::Exact(const std::string& text) {
    std::istringstream in(text);
    std::string kind;
    in >> kind;
    SBColor c{};
    auto read = [&](double* v, int n) {
        for (int i = 0; i < n; ++i) {
            std::string word;
            if (!(in >> word)) FailSvg("bad colour \"" + text + "\"");
            SvgScanner sc(word);
            v[i] = sc.ReadNumber();
            if (!sc.AtEnd()) FailSvg("bad colour \"" + text + "\"");
        }
    };
    if (kind == "none") {
        c.kind = SB_COLOR_NONE;
    } else if (kind == "gray") {
        c.kind = SB_COLOR_GRAY;
        read(&c.c.gray.gray, 1);
    } else if (kind == "rgb") {
        c.kind = SB_COLOR_THREE;
        double v[3];
        read(v, 3);
        c.c.three = {v[0], v[1], v[2]};
    } else if (kind == "cmyk") {
        c.kind = SB_COLOR_FOUR;
        double v[4];
        read(v, 4);
        c.c.four = {v[0], v[1], v[2], v[3]};
    } else if (kind == "custom") {
        std::string id;
        in >> id;
        c.kind = SB_COLOR_CUSTOM;
        c.c.custom.color = IndexHandle<SBCustomColorHandle>(CustomColour(id));
        read(&c.c.custom.tint, 1);
    } else if (kind == "pattern") {
        std::string id;
        in >> id;
        c.kind = SB_COLOR_PATTERN;
        c.c.pattern.pattern = IndexHandle<SBPatternHandle>(Pattern(id));
        double v[6];
        read(v, 6);
        c.c.pattern.matrix = {v[0], v[1], v[2], v[3], v[4], v[5]};
    } else {
        FailSvg("bad colour \"" + text + "\"");
    }
    std::string extra;
    if (in >> extra) FailSvg("bad colour \"" + text + "\"");
    return c;
}

size_t SvgPaintServers::CustomColour(const std::string& id) {
    auto it = customIndex_.find(id);
    if (it != customIndex_.end()) return it->second;
    pugi::xml_node n = ids_.Find(id, "colour");
    if (LocalName(n) != "scribera:customColour") FailSvg("reference #" + id + " is not a colour");
    CustomColourData data;
    data.name = n.attribute("name").value();
    data.definition = Exact(n.attribute("colour").value());
    if (data.definition.kind != SB_COLOR_FOUR && data.definition.kind != SB_COLOR_THREE)
        FailSvg("colour #" + id + " is not a process colour");
    artwork_->customColours.push_back(data);
    return customIndex_[id] = artwork_->customColours.size();
}

size_t SvgPaintServers::Pattern(const std::string& id) {
    auto it = patternIndex_.find(id);
    if (it != patternIndex_.end()) return it->second;
    pugi::xml_node n = ids_.Find(id, "pattern");
    if (LocalName(n) != "scribera:pattern") FailSvg("reference #" + id + " is not a pattern");
    artwork_->patterns.push_back({n.attribute("name").value()});
    return patternIndex_[id] = artwork_->patterns.size();
}

SBColor SvgPaintServers::Resolve(const SvgPaint& paint, const Affine& toDocument, const SBRealRect& bbox) {
    if (paint.kind == SvgPaint::None) return NoColour();
    if (paint.kind == SvgPaint::Colour) return paint.colour;
    return Gradient(paint.url, toDocument, bbox);
}

const char* SvgPaintServers::GradientAttribute(pugi::xml_node g, const char* name) {
    for (int hops = 0; g && hops < 32; ++hops) {
        if (pugi::xml_attribute a = g.attribute(name)) return a.value();
        std::string href = Href(g);
        if (href.size() < 2 || href[0] != '#') return nullptr;
        g = ids_.Find(href.substr(1), "gradient");
    }
    return nullptr;
}

pugi::xml_node SvgPaintServers::StopsSource(pugi::xml_node g) {
    for (int hops = 0; hops < 32; ++hops) {
        if (g.child("stop") || g.child("svg:stop")) return g;
        std::string href = Href(g);
        if (href.size() < 2 || href[0] != '#') return g;
        g = ids_.Find(href.substr(1), "gradient");
        std::string n = LocalName(g);
        if (n != "linearGradient" && n != "radialGradient")
            FailSvg("gradient reference #" + href.substr(1) + " is not a gradient");
    }
    FailSvg("gradient references go round in a circle");
}

size_t SvgPaintServers::GradientTable(pugi::xml_node source, int16_t kind) {
    auto key = std::make_pair(source.internal_object(), kind);
    auto it = gradientIndex_.find(key);
    if (it != gradientIndex_.end()) return it->second;
    GradientData data;
    data.kind = kind;
    data.name =
        source.attribute("scribera:name") ? source.attribute("scribera:name").value() : source.attribute("id").value();
    double last = 0;
    for (pugi::xml_node s = source.first_child(); s; s = s.next_sibling()) {
        if (LocalName(s) != "stop" || s.attribute("scribera:preview")) continue;
        SvgProperties props(s);
        SBGradientStop stop{};
        double offset = ParseCoordinate(s.attribute("offset") ? s.attribute("offset").value() : "0", 1, "offset");
        offset = std::max(last, std::clamp(offset, 0.0, 1.0));
        last = offset;
        stop.rampPoint =
            s.attribute("scribera:ramp") ? ParseLeadingNumber(s.attribute("scribera:ramp").value()) : offset * 100;
        stop.midPoint =
            s.attribute("scribera:midpoint") ? ParseLeadingNumber(s.attribute("scribera:midpoint").value()) : 50;
        if (s.attribute("scribera:color")) {
            stop.color = Exact(s.attribute("scribera:color").value());
        } else {
            const char* c = props.Get("stop-color");
            SvgPaint p = ParsePaint(c ? c : "black", RgbColour(0, 0, 0));
            if (p.kind == SvgPaint::Url) FailSvg("a gradient stop's colour cannot be a reference");
            stop.color = p.kind == SvgPaint::None ? RgbColour(0, 0, 0) : p.colour;
        }
        data.stops.push_back(stop);
    }
    artwork_->gradients.push_back(std::move(data));
    return gradientIndex_[key] = artwork_->gradients.size();
}

SBColor SvgPaintServers::Gradient(const std::string& id, const Affine& toDocument, const SBRealRect& bbox) {
    pugi::xml_node g = ids_.Find(id, "paint");
    std::string name = LocalName(g);
    if (name != "linearGradient" && name != "radialGradient") FailSvg("paint reference #" + id + " is not a gradient");
    bool radial = name == "radialGradient";
    pugi::xml_node source = StopsSource(g);
    SBColor colour{};
    colour.kind = SB_COLOR_GRADIENT;
    SBGradientStyle& gs = colour.c.gradient;
    gs.gradient =
        IndexHandle<SBGradientHandle>(GradientTable(source, radial ? SB_GRADIENT_RADIAL : SB_GRADIENT_LINEAR));
    if (const char* exact = g.attribute("scribera:gradient").as_string(nullptr)) {
        std::vector<double> v = ParseNumberList(exact);
        if (v.size() != 10) FailSvg("bad gradient geometry on #" + id);
        gs.origin = {v[0], v[1]};
        gs.angle = v[2];
        gs.length = v[3];
        gs.matrix = {v[4], v[5], v[6], v[7], v[8], v[9]};
        return colour;
    }
    const char* units = GradientAttribute(g, "gradientUnits");
    bool userSpace = units && TrimSpace(units) == "userSpaceOnUse";
    Affine box;
    double pw = 1, ph = 1;
    if (!userSpace) {
        box = {bbox.right - bbox.left, 0, 0, bbox.top - bbox.bottom, bbox.left, bbox.bottom};
    } else {
        pw = viewportWidth_;
        ph = viewportHeight_;
    }
    Affine gt;
    if (const char* t = GradientAttribute(g, "gradientTransform")) gt = ParseTransform(t);
    Affine P = toDocument * box;
    auto attr = [&](const char* n, const char* fallback, double percentOf) {
        const char* v = GradientAttribute(g, n);
        return ParseCoordinate(v ? v : fallback, percentOf, n);
    };
    Affine S;
    bool ok;
    bool reflect = P.Det() < 0;
    if (!radial) {
        SBRealPoint g1{attr("x1", "0%", pw), attr("y1", "0%", ph)};
        SBRealPoint g2{attr("x2", "100%", pw), attr("y2", "0%", ph)};
        SBRealPoint o = P.Apply(g1), e = P.Apply(g2);
        gs.origin = o;
        gs.length = std::hypot(e.h - o.h, e.v - o.v);
        gs.angle = std::atan2(e.v - o.v, e.h - o.h) * 180 / kPi;
        ok = Similarity(g1, {g2.h - g1.h, g2.v - g1.v}, o, {e.h - o.h, e.v - o.v}, reflect, &S);
    } else {
        SBRealPoint c{attr("cx", "50%", pw), attr("cy", "50%", ph)};
        double r = attr("r", "50%", std::sqrt((pw * pw + ph * ph) / 2));
        double s = std::sqrt(std::fabs(P.Det()));
        gs.origin = P.Apply(c);
        gs.length = r * s;
        gs.angle = 0;
        double phi = std::atan2(P.b, P.a);
        ok = Similarity(c, {1, 0}, gs.origin, {s * std::cos(phi), s * std::sin(phi)}, reflect, &S);
    }
    Affine inverse;
    if (ok && S.Invert(&inverse)) {
        gs.matrix = (P * gt * inverse).ToMatrix();
    } else {
        gs.matrix = Affine().ToMatrix();
    }
    for (double v : {gs.origin.h, gs.origin.v, gs.length, gs.angle, gs.matrix.a, gs.matrix.b, gs.matrix.c, gs.matrix.d,
                     gs.matrix.tx, gs.matrix.ty})
        if (!std::isfinite(v)) FailSvg("gradient #" + id + " has geometry out of range");
    return colour;
}

}  // namespace scribera::io
