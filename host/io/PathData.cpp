#include "io/PathData.h"

#include "io/Format.h"
#include "io/SvgSyntax.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace scribera::io {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool Same(SBRealPoint a, SBRealPoint b) {
    double scale = std::max({1.0, std::fabs(a.h), std::fabs(a.v)});
    return std::fabs(a.h - b.h) <= 1e-9 * scale && std::fabs(a.v - b.v) <= 1e-9 * scale;
}

class Parser {
public:
    explicit Parser(const std::string& text) : sc_(text) {}

    bool Run(std::vector<Subpath>* out, std::string* error) {
        char command = 0;
        bool first = true;
        while (true) {
            if (sc_.AtEnd()) break;
            char c = sc_.Peek();
            if (std::strchr("MmLlHhVvCcSsQqTtAaZz", c) != nullptr) {
                command = c;
                sc_.Advance();
            } else if (sc_.StartsNumber()) {
                if (command == 0) return Fail("path data must start with a move", error);
                if (command == 'Z' || command == 'z') return Fail("number after a close", error);
                // Repeated coordinates after a move continue as lines.
                if (command == 'M') command = 'L';
                if (command == 'm') command = 'l';
            } else {
                return Fail(std::string("unexpected character '") + c + "'", error);
            }
            if (first && command != 'M' && command != 'm') return Fail("path data must start with a move", error);
            first = false;
            if (!Command(command, error)) return false;
        }
        FinishSubpath();
        *out = std::move(done_);
        return true;
    }

private:
    bool Fail(const std::string& what, std::string* error) {
        if (error) *error = what + " at offset " + std::to_string(sc_.Pos());
        return false;
    }

    bool Number(double* value, std::string* error) {
        sc_.SkipSeparator();
        switch (sc_.ScanNumber(value)) {
            case SvgScanner::Number::Absent:
                return Fail("expected a number", error);
            case SvgScanner::Number::OutOfRange:
                return Fail("number out of range", error);
            case SvgScanner::Number::Read:
                break;
        }
        return true;
    }

    bool Flag(bool* value, std::string* error) {
        sc_.SkipSeparator();
        if (sc_.Peek() != '0' && sc_.Peek() != '1') return Fail("expected an arc flag", error);
        *value = sc_.Peek() == '1';
        sc_.Advance();
        return true;
    }

    bool Point(bool relative, SBRealPoint* p, std::string* error) {
        if (!Number(&p->h, error) || !Number(&p->v, error)) return false;
        if (relative) {
            p->h += current_.h;
            p->v += current_.v;
        }
        return Finite(*p, error);
    }

    // Relative coordinates can add up beyond the limit even when every number is within it; the
    // bound is the one every number of a file is read with, so a saved file reads back.
    bool Finite(SBRealPoint p, std::string* error) {
        if (std::fabs(p.h) > kMaxCoordinate || std::fabs(p.v) > kMaxCoordinate)
            return Fail("coordinates out of range", error);
        return true;
    }

    bool Command(char command, std::string* error) {
        bool rel = command >= 'a' && command <= 'z';
        char upper = static_cast<char>(rel ? command - 'a' + 'A' : command);
        SBRealPoint p{}, c1{}, c2{};
        switch (upper) {
            case 'M':
                if (!Point(rel, &p, error)) return false;
                MoveTo(p);
                break;
            case 'L':
                if (!Point(rel, &p, error)) return false;
                LineTo(p);
                break;
            case 'H': {
                double x;
                if (!Number(&x, error)) return false;
                p = {rel ? current_.h + x : x, current_.v};
                if (!Finite(p, error)) return false;
                LineTo(p);
                break;
            }
            case 'V': {
                double y;
                if (!Number(&y, error)) return false;
                p = {current_.h, rel ? current_.v + y : y};
                if (!Finite(p, error)) return false;
                LineTo(p);
                break;
            }
            case 'C':
                if (!Point(rel, &c1, error) || !Point(rel, &c2, error) || !Point(rel, &p, error)) return false;
                CurveTo(c1, c2, p);
                lastCubic_ = c2;
                break;
            case 'S':
                c1 = (last_ == 'C' || last_ == 'S') ? Reflect(lastCubic_) : current_;
                if (!Point(rel, &c2, error) || !Point(rel, &p, error)) return false;
                CurveTo(c1, c2, p);
                lastCubic_ = c2;
                break;
            case 'Q':
                if (!Point(rel, &c1, error) || !Point(rel, &p, error)) return false;
                QuadTo(c1, p);
                lastQuad_ = c1;
                break;
            case 'T':
                c1 = (last_ == 'Q' || last_ == 'T') ? Reflect(lastQuad_) : current_;
                if (!Point(rel, &p, error)) return false;
                QuadTo(c1, p);
                lastQuad_ = c1;
                break;
            case 'A': {
                double rx = 0, ry = 0, angle = 0;
                bool large = false, sweep = false;
                if (!Number(&rx, error) || !Number(&ry, error) || !Number(&angle, error) || !Flag(&large, error) ||
                    !Flag(&sweep, error) || !Point(rel, &p, error))
                    return false;
                SBRealPoint from = current_;
                for (const Cubic& c : ArcToCubics(from, rx, ry, angle, large, sweep, p)) CurveTo(c.c1, c.c2, c.end);
                current_ = p;
                break;
            }
            case 'Z':
                Close();
                break;
        }
        last_ = upper;
        return true;
    }

    SBRealPoint Reflect(SBRealPoint control) const { return {2 * current_.h - control.h, 2 * current_.v - control.v}; }

    void FinishSubpath() {
        if (open_.anchors.size() >= 2) {
            MarkCorners(open_);
            done_.push_back(std::move(open_));
        }
        open_ = Subpath{};
        started_ = false;
    }

    void MoveTo(SBRealPoint p) {
        FinishSubpath();
        start_ = p;
        current_ = p;
        open_.anchors.push_back({p, p, p, 1});
        started_ = true;
    }

    // A drawing command right after a close starts a new subpath at the closed one's start.
    void EnsureStarted() {
        if (!started_) MoveTo(current_);
    }

    void LineTo(SBRealPoint p) {
        EnsureStarted();
        open_.anchors.push_back({p, p, p, 1});
        current_ = p;
    }

    void CurveTo(SBRealPoint c1, SBRealPoint c2, SBRealPoint p) {
        EnsureStarted();
        open_.anchors.back().out = c1;
        open_.anchors.push_back({p, c2, p, 0});
        current_ = p;
    }

    void QuadTo(SBRealPoint q, SBRealPoint p) {
        SBRealPoint c1{current_.h + 2.0 / 3.0 * (q.h - current_.h), current_.v + 2.0 / 3.0 * (q.v - current_.v)};
        SBRealPoint c2{p.h + 2.0 / 3.0 * (q.h - p.h), p.v + 2.0 / 3.0 * (q.v - p.v)};
        CurveTo(c1, c2, p);
    }

    void Close() {
        if (started_) {
            auto& a = open_.anchors;
            if (a.size() >= 2 && Same(a.back().p, a.front().p)) {
                a.front().in = a.back().in;
                a.pop_back();
            }
            open_.closed = true;
            FinishSubpath();
        }
        current_ = start_;
    }

    SvgScanner sc_;
    char last_ = 0;
    SBRealPoint current_{0, 0}, start_{0, 0}, lastCubic_{0, 0}, lastQuad_{0, 0};
    Subpath open_;
    bool started_ = false;
    std::vector<Subpath> done_;
};

}  // namespace

bool ParsePathData(const std::string& data, std::vector<Subpath>* out, std::string* error) {
    Parser parser(data);
    std::vector<Subpath> parsed;
    if (!parser.Run(&parsed, error)) return false;
    for (const Subpath& s : parsed) {
        // A path's anchor count is a 16-bit number at the host interface.
        if (s.anchors.size() > kMaxPathAnchors) {
            if (error) *error = "a subpath of more than " + std::to_string(kMaxPathAnchors) + " anchors";
            return false;
        }
        // Arc handles can reach past the end points.
        for (const SBPathSegment& a : s.anchors)
            for (const SBRealPoint& p : {a.p, a.in, a.out})
                if (!(std::fabs(p.h) <= kMaxCoordinate && std::fabs(p.v) <= kMaxCoordinate)) {
                    if (error) *error = "coordinates out of range";
                    return false;
                }
    }
    *out = std::move(parsed);
    return true;
}

std::vector<Cubic> ArcToCubics(SBRealPoint from, double rx, double ry, double rotationDegrees, bool largeArc,
                               bool sweep, SBRealPoint to) {
    std::vector<Cubic> result;
    if (from.h == to.h && from.v == to.v) return result;
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (rx == 0 || ry == 0) {
        result.push_back({from, to, to});
        return result;
    }
    double phi = std::fmod(rotationDegrees, 360.0) * kPi / 180.0;
    double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    double dx = (from.h - to.h) / 2, dy = (from.v - to.v) / 2;
    double x1 = cosPhi * dx + sinPhi * dy;
    double y1 = -sinPhi * dx + cosPhi * dy;
    // Radii too small for the end points grow just enough to reach.
    double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
    if (lambda > 1) {
        double s = std::sqrt(lambda);
        rx *= s;
        ry *= s;
    }
    double rx2 = rx * rx, ry2 = ry * ry;
    double num = rx2 * ry2 - rx2 * y1 * y1 - ry2 * x1 * x1;
    double den = rx2 * y1 * y1 + ry2 * x1 * x1;
    double coef = den > 0 ? std::sqrt(std::max(0.0, num / den)) : 0;
    if (largeArc == sweep) coef = -coef;
    double cxp = coef * rx * y1 / ry;
    double cyp = -coef * ry * x1 / rx;
    double cx = cosPhi * cxp - sinPhi * cyp + (from.h + to.h) / 2;
    double cy = sinPhi * cxp + cosPhi * cyp + (from.v + to.v) / 2;
    double theta1 = std::atan2((y1 - cyp) / ry, (x1 - cxp) / rx);
    double theta2 = std::atan2((-y1 - cyp) / ry, (-x1 - cxp) / rx);
    double delta = theta2 - theta1;
    if (sweep && delta < 0) delta += 2 * kPi;
    if (!sweep && delta > 0) delta -= 2 * kPi;
    if (!std::isfinite(delta) || !std::isfinite(cx) || !std::isfinite(cy)) {
        result.push_back({from, to, to});
        return result;
    }
    int n = std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (kPi / 2) - 1e-9)));
    double step = delta / n;
    double k = 4.0 / 3.0 * std::tan(step / 4);
    auto map = [&](double x, double y) {
        return SBRealPoint{cx + rx * cosPhi * x - ry * sinPhi * y, cy + rx * sinPhi * x + ry * cosPhi * y};
    };
    double t = theta1;
    for (int i = 0; i < n; ++i) {
        double t2 = t + step;
        double c0 = std::cos(t), s0 = std::sin(t), c3 = std::cos(t2), s3 = std::sin(t2);
        Cubic cubic;
        cubic.c1 = map(c0 - k * s0, s0 + k * c0);
        cubic.c2 = map(c3 + k * s3, s3 - k * c3);
        cubic.end = i + 1 == n ? to : map(c3, s3);
        result.push_back(cubic);
        t = t2;
    }
    return result;
}

bool IsCornerAnchor(const SBPathSegment& anchor) {
    double ax = anchor.in.h - anchor.p.h, ay = anchor.in.v - anchor.p.v;
    double bx = anchor.out.h - anchor.p.h, by = anchor.out.v - anchor.p.v;
    double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
    if (la == 0 || lb == 0) return true;
    double cross = ax * by - ay * bx;
    double dot = ax * bx + ay * by;
    return !(dot < 0 && std::fabs(cross) <= 1e-6 * la * lb);
}

void MarkCorners(Subpath& subpath) {
    auto& a = subpath.anchors;
    size_t n = a.size();
    auto same = [](SBRealPoint x, SBRealPoint y) { return x.h == y.h && x.v == y.v; };
    std::vector<SBBool> corners(n);
    for (size_t i = 0; i < n; ++i) {
        SBPathSegment s = a[i];
        bool hasIn = !same(s.in, s.p), hasOut = !same(s.out, s.p);
        bool first = i == 0, last = i + 1 == n;
        if (hasIn != hasOut && (subpath.closed || (!first && !last))) {
            const SBPathSegment& prev = a[(i + n - 1) % n];
            const SBPathSegment& next = a[(i + 1) % n];
            // The side without a handle leaves along the line to the neighbour's nearest point.
            if (!hasIn)
                s.in = same(prev.out, s.p) ? prev.p : prev.out;
            else
                s.out = same(next.in, s.p) ? next.p : next.in;
        }
        corners[i] = IsCornerAnchor(s) ? 1 : 0;
    }
    for (size_t i = 0; i < n; ++i) a[i].corner = corners[i];
}

namespace {
void AppendPoint(std::string& out, SBRealPoint p) {
    out += FormatNumber(p.h);
    out += ' ';
    out += FormatNumber(p.v);
}

void AppendSegment(std::string& out, const SBPathSegment& from, const SBPathSegment& to) {
    bool straight = from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h && to.in.v == to.p.v;
    if (straight) {
        out += " L";
        AppendPoint(out, to.p);
        return;
    }
    out += " C";
    AppendPoint(out, from.out);
    out += ' ';
    AppendPoint(out, to.in);
    out += ' ';
    AppendPoint(out, to.p);
}
}  // namespace

std::string WritePathData(const std::vector<Subpath>& subpaths) {
    std::string out;
    for (const Subpath& sub : subpaths) {
        const auto& a = sub.anchors;
        if (a.empty()) continue;
        if (!out.empty()) out += ' ';
        out += 'M';
        AppendPoint(out, a[0].p);
        for (size_t i = 1; i < a.size(); ++i) AppendSegment(out, a[i - 1], a[i]);
        if (sub.closed) {
            // Written out so that a zero-length closing segment survives a read.
            AppendSegment(out, a.back(), a.front());
            out += " Z";
        }
    }
    return out;
}

}  // namespace scribera::io
