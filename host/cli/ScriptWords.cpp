#include "cli/ScriptWords.h"

#include "io/PathData.h"

#include <scribera/SBMessages.h>

#include <charconv>
#include <cmath>

namespace scribera::cli {

namespace {

bool Unit(double v) { return v >= 0 && v <= 1; }

bool ColourWords(const std::vector<std::string>& w, size_t at, SBColor* c, std::string* error) {
    size_t n = w.size() - at;
    std::vector<double> v;
    for (size_t i = at + 1; i < w.size(); ++i) {
        double x;
        if (!Number(w[i], &x)) {
            *error = "bad number '" + w[i] + "'";
            return false;
        }
        if (!Unit(x)) {
            *error = "colour value " + w[i] + " outside 0..1";
            return false;
        }
        v.push_back(x);
    }
    const std::string& kind = w[at];
    if (kind == "gray" && n == 2) {
        c->kind = SB_COLOR_GRAY;
        c->c.gray.gray = v[0];
    } else if (kind == "rgb" && n == 4) {
        c->kind = SB_COLOR_THREE;
        c->c.three = {v[0], v[1], v[2]};
    } else if (kind == "cmyk" && n == 5) {
        c->kind = SB_COLOR_FOUR;
        c->c.four = {v[0], v[1], v[2], v[3]};
    } else {
        *error = "expected gray G, rgb R G B or cmyk C M Y K";
        return false;
    }
    return true;
}

// POSITION[@MIDPOINT]:rgb:R:G:B (also gray:G and cmyk:C:M:Y:K).
bool ParseStop(const std::string& text, GradientStopSpec* stop, std::string* error) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon == std::string::npos ? std::string::npos : colon - start));
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    if (parts.size() < 3) {
        *error = "bad gradient stop '" + text + "' (POSITION:rgb:R:G:B)";
        return false;
    }
    std::string pos = parts[0];
    size_t at = pos.find('@');
    if (!Number(pos.substr(0, at), &stop->position) ||
        (at != std::string::npos && !Number(pos.substr(at + 1), &stop->midpoint)) || stop->position < 0 ||
        stop->position > 100 || stop->midpoint < 0 || stop->midpoint > 100) {
        *error = "bad gradient stop position '" + pos + "' (per cent, 0..100)";
        return false;
    }
    std::vector<std::string> colour(parts.begin() + 1, parts.end());
    if (!ColourWords(colour, 0, &stop->colour, error)) {
        *error = "bad gradient stop '" + text + "': " + *error;
        return false;
    }
    return true;
}

}  // namespace

bool Number(const std::string& w, double* v) {
    const char* first = w.data();
    const char* last = w.data() + w.size();
    if (first != last && *first == '+') ++first;
    auto r = std::from_chars(first, last, *v);
    return r.ec == std::errc() && r.ptr == last && std::isfinite(*v) && std::fabs(*v) <= io::kMaxCoordinate;
}

bool Integer(const std::string& w, int64_t* v) {
    const char* first = w.data();
    const char* last = w.data() + w.size();
    int base = 10;
    bool negative = false;
    if (first != last && *first == '-') {
        negative = true;
        ++first;
    }
    if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
        base = 16;
        first += 2;
    }
    uint64_t u = 0;
    auto r = std::from_chars(first, last, u, base);
    if (r.ec != std::errc() || r.ptr != last || first == last || u > 0xFFFFFFFFull) return false;
    *v = negative ? -static_cast<int64_t>(u) : static_cast<int64_t>(u);
    return true;
}

bool Point(const std::string& w, SBRealPoint* p) {
    size_t comma = w.find(',');
    return comma != std::string::npos && Number(w.substr(0, comma), &p->h) && Number(w.substr(comma + 1), &p->v);
}

double Num(const std::string& w) {
    double v = 0;
    Number(w, &v);
    return v;
}

int64_t Int(const std::string& w) {
    int64_t v = 0;
    Integer(w, &v);
    return v;
}

SBRealPoint PointAt(const std::vector<std::string>& words, size_t at) {
    return SBRealPoint{Num(words[at]), Num(words[at + 1])};
}

bool ParsePaint(const std::vector<std::string>& w, size_t at, PaintSpec* paint, std::string* error) {
    if (at >= w.size()) {
        *error = "missing paint";
        return false;
    }
    const std::string& kind = w[at];
    if (kind == "none" && w.size() == at + 1) {
        paint->kind = PaintSpec::None;
        return true;
    }
    if (kind == "linear" || kind == "radial") {
        size_t first = at + 1;
        if (kind == "linear") {
            if (w.size() <= first || !Number(w[first], &paint->angle)) {
                *error = "linear needs an angle";
                return false;
            }
            ++first;
        }
        paint->kind = kind == "linear" ? PaintSpec::Linear : PaintSpec::Radial;
        for (size_t i = first; i < w.size(); ++i) {
            GradientStopSpec s;
            if (!ParseStop(w[i], &s, error)) return false;
            if (!paint->stops.empty() && s.position < paint->stops.back().position) {
                *error = "gradient stops must be in order of position";
                return false;
            }
            paint->stops.push_back(s);
        }
        if (paint->stops.empty()) {
            *error = "a gradient needs at least one stop";
            return false;
        }
        return true;
    }
    paint->kind = PaintSpec::Colour;
    return ColourWords(w, at, &paint->colour, error);
}

bool ModifierBit(const std::string& name, uint16_t* bit) {
    if (name == "shift") {
        *bit = SB_MOD_SHIFT;
        return true;
    }
    if (name == "alt") {
        *bit = SB_MOD_ALT;
        return true;
    }
    int64_t v;
    if (Integer(name, &v) && v > 0 && v <= 0xFFFF) {
        *bit = static_cast<uint16_t>(v);
        return true;
    }
    return false;
}

bool ResultCode(const std::string& w, SBErr* code) {
    int64_t v;
    if (Integer(w, &v)) {
        *code = static_cast<SBErr>(static_cast<uint32_t>(v));
        return true;
    }
    // Four characters, bare or in single quotes: CANT or 'CANT'.
    std::string c = w.size() == 6 && w.front() == '\'' && w.back() == '\'' ? w.substr(1, 4) : w;
    if (c.size() == 4) {
        *code = static_cast<SBErr>(SB_FOURCC(c[0], c[1], c[2], c[3]));
        return true;
    }
    return false;
}

}  // namespace scribera::cli
