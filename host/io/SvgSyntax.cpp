#include "io/SvgSyntax.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace scribera::io {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void FailSvg(const std::string& what) { throw SvgError{what}; }

std::string TrimSpace(const std::string& text) {
    size_t a = 0, b = text.size();
    while (a < b && IsSvgSpace(text[a])) ++a;
    while (b > a && IsSvgSpace(text[b - 1])) --b;
    return text.substr(a, b - a);
}

std::string LowerAscii(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    while (true) {
        size_t end = text.find(separator, start);
        if (end == std::string::npos) break;
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

bool SvgScanner::StartsNumber() const {
    if (pos_ >= s_.size()) return false;
    char c = s_[pos_];
    if (IsDigit(c)) return true;
    size_t p = pos_;
    if (c == '+' || c == '-') {
        ++p;
        if (p >= s_.size()) return false;
        c = s_[p];
        if (IsDigit(c)) return true;
    }
    return c == '.' && p + 1 < s_.size() && IsDigit(s_[p + 1]);
}

SvgScanner::Number SvgScanner::ScanNumber(double* value) {
    if (!StartsNumber()) return Number::Absent;
    // from_chars takes no '+'.
    size_t start = s_[pos_] == '+' ? pos_ + 1 : pos_;
    size_t p = pos_;
    if (s_[p] == '+' || s_[p] == '-') ++p;
    while (p < s_.size() && IsDigit(s_[p])) ++p;
    if (p < s_.size() && s_[p] == '.') {
        ++p;
        while (p < s_.size() && IsDigit(s_[p])) ++p;
    }
    if (p < s_.size() && (s_[p] == 'e' || s_[p] == 'E')) {
        size_t q = p + 1;
        if (q < s_.size() && (s_[q] == '+' || s_[q] == '-')) ++q;
        if (q < s_.size() && IsDigit(s_[q])) {
            p = q;
            while (p < s_.size() && IsDigit(s_[p])) ++p;
        }
    }
    const char* last = s_.data() + p;
    auto r = std::from_chars(s_.data() + start, last, *value);
    if (r.ec != std::errc() || r.ptr != last || !std::isfinite(*value) || std::fabs(*value) > kMaxCoordinate) {
        pos_ = start;
        return Number::OutOfRange;
    }
    pos_ = p;
    return Number::Read;
}

bool SvgScanner::TryNumber(double* value) {
    SkipSpace();
    switch (ScanNumber(value)) {
        case Number::Absent:
            return false;
        case Number::OutOfRange:
            FailSvg("number out of range in \"" + Excerpt() + "\"");
        case Number::Read:
            break;
    }
    return true;
}

double SvgScanner::ReadNumber() {
    double v;
    if (!TryNumber(&v)) FailSvg("expected a number in \"" + Excerpt() + "\"");
    return v;
}

std::vector<double> ParseNumberList(const std::string& text) {
    std::vector<double> values;
    SvgScanner sc(text);
    while (!sc.AtEnd()) {
        values.push_back(sc.ReadNumber());
        sc.SkipSeparator();
    }
    return values;
}

double ParseLeadingNumber(const std::string& text) { return SvgScanner(text).ReadNumber(); }

double ParseLength(const std::string& text, const char* what) {
    std::string t = TrimSpace(text);
    SvgScanner sc(t);
    double v;
    if (!sc.TryNumber(&v)) FailSvg(std::string("bad ") + what + " \"" + sc.Excerpt() + "\"");
    std::string unit = LowerAscii(TrimSpace(sc.Rest()));
    double scale = 1;
    if (unit.empty() || unit == "px")
        scale = 1;
    else if (unit == "pt")
        scale = 96.0 / 72.0;
    else if (unit == "pc")
        scale = 16;
    else if (unit == "in")
        scale = 96;
    else if (unit == "mm")
        scale = 96 / 25.4;
    else if (unit == "cm")
        scale = 96 / 2.54;
    else
        FailSvg(std::string("unsupported unit in ") + what + " \"" + t + "\"");
    return v * scale;
}

double ParseCoordinate(const std::string& text, double percentOf, const char* what) {
    std::string t = TrimSpace(text);
    if (!t.empty() && t.back() == '%') {
        std::string n = t.substr(0, t.size() - 1);
        SvgScanner sc(n);
        double v;
        if (!sc.TryNumber(&v) || !sc.AtEnd()) FailSvg(std::string("bad ") + what + " \"" + t + "\"");
        return v / 100 * percentOf;
    }
    return ParseLength(t, what);
}

Affine ParseTransform(const std::string& text) {
    Affine result;
    SvgScanner sc(text);
    while (!sc.AtEnd()) {
        std::string name;
        while (std::isalpha(static_cast<unsigned char>(sc.Peek()))) {
            name += sc.Peek();
            sc.Advance();
        }
        sc.SkipSpace();
        if (name.empty() || sc.Peek() != '(') FailSvg("bad transform \"" + sc.Excerpt() + "\"");
        sc.Advance();
        std::vector<double> args;
        while (true) {
            sc.SkipSpace();
            if (sc.Peek() == ')') break;
            args.push_back(sc.ReadNumber());
            sc.SkipSeparator();
            if (args.size() > 6) break;
        }
        if (sc.Peek() != ')') FailSvg("bad transform \"" + sc.Excerpt() + "\"");
        sc.Advance();
        size_t n = args.size();
        Affine t;
        if (name == "matrix" && n == 6) {
            t = {args[0], args[1], args[2], args[3], args[4], args[5]};
        } else if (name == "translate" && (n == 1 || n == 2)) {
            t = Affine::Translate(args[0], n == 2 ? args[1] : 0);
        } else if (name == "scale" && (n == 1 || n == 2)) {
            t = Affine::Scale(args[0], n == 2 ? args[1] : args[0]);
        } else if (name == "rotate" && (n == 1 || n == 3)) {
            t = Affine::Rotate(args[0]);
            if (n == 3) t = Affine::Translate(args[1], args[2]) * t * Affine::Translate(-args[1], -args[2]);
        } else if (name == "skewX" && n == 1) {
            t = {1, 0, std::tan(args[0] * kPi / 180), 1, 0, 0};
        } else if (name == "skewY" && n == 1) {
            t = {1, std::tan(args[0] * kPi / 180), 0, 1, 0, 0};
        } else {
            FailSvg("bad transform \"" + sc.Excerpt() + "\"");
        }
        result = result * t;
        sc.SkipSeparator();
    }
    return result;
}

SBColor RgbColour(double r, double g, double b) {
    SBColor c{};
    c.kind = SB_COLOR_THREE;
    c.c.three = {r, g, b};
    return c;
}

SBColor NoColour() {
    SBColor c{};
    c.kind = SB_COLOR_NONE;
    return c;
}

namespace {

struct NamedColour {
    const char* name;
    int r, g, b;
};
const NamedColour kNamedColours[] = {
    {"black", 0, 0, 0},           {"white", 255, 255, 255},     {"red", 255, 0, 0},
    {"green", 0, 128, 0},         {"blue", 0, 0, 255},          {"yellow", 255, 255, 0},
    {"cyan", 0, 255, 255},        {"aqua", 0, 255, 255},        {"magenta", 255, 0, 255},
    {"fuchsia", 255, 0, 255},     {"gray", 128, 128, 128},      {"grey", 128, 128, 128},
    {"silver", 192, 192, 192},    {"maroon", 128, 0, 0},        {"olive", 128, 128, 0},
    {"lime", 0, 255, 0},          {"navy", 0, 0, 128},          {"purple", 128, 0, 128},
    {"teal", 0, 128, 128},        {"orange", 255, 165, 0},      {"brown", 165, 42, 42},
    {"pink", 255, 192, 203},      {"darkgray", 169, 169, 169},  {"darkgrey", 169, 169, 169},
    {"lightgray", 211, 211, 211}, {"lightgrey", 211, 211, 211},
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

SvgPaint ParsePaint(const std::string& raw, const SBColor& current) {
    std::string text = TrimSpace(raw);
    std::string low = LowerAscii(text);
    SvgPaint paint;
    if (low == "none" || low == "transparent") return paint;
    if (low == "currentcolor") {
        paint.kind = SvgPaint::Colour;
        paint.colour = current;
        return paint;
    }
    if (low.compare(0, 4, "url(") == 0) {
        size_t close = text.find(')');
        if (close == std::string::npos) FailSvg("bad paint \"" + text + "\"");
        std::string ref = TrimSpace(text.substr(4, close - 4));
        if (ref.size() >= 2 && (ref.front() == '"' || ref.front() == '\'')) ref = ref.substr(1, ref.size() - 2);
        if (ref.empty() || ref[0] != '#') FailSvg("only local references are supported: \"" + text + "\"");
        paint.kind = SvgPaint::Url;
        paint.url = ref.substr(1);
        return paint;
    }
    paint.kind = SvgPaint::Colour;
    if (!low.empty() && low[0] == '#') {
        std::string hex = low.substr(1);
        int v[8];
        for (size_t i = 0; i < hex.size() && i < 8; ++i) v[i] = HexDigit(hex[i]);
        bool ok = (hex.size() == 3 || hex.size() == 4 || hex.size() == 6 || hex.size() == 8) &&
                  std::all_of(v, v + hex.size(), [](int d) { return d >= 0; });
        if (!ok) FailSvg("bad colour \"" + text + "\"");
        if (hex.size() <= 4)
            paint.colour = RgbColour(v[0] * 17 / 255.0, v[1] * 17 / 255.0, v[2] * 17 / 255.0);
        else
            paint.colour =
                RgbColour((v[0] * 16 + v[1]) / 255.0, (v[2] * 16 + v[3]) / 255.0, (v[4] * 16 + v[5]) / 255.0);
        return paint;
    }
    if (low.compare(0, 4, "rgb(") == 0 || low.compare(0, 5, "rgba(") == 0) {
        size_t open = low.find('('), close = low.rfind(')');
        if (close == std::string::npos || close < open) FailSvg("bad colour \"" + text + "\"");
        std::string inner = low.substr(open + 1, close - open - 1);
        double rgb[3];
        SvgScanner sc(inner);
        for (int i = 0; i < 3; ++i) {
            double n = sc.ReadNumber();
            if (sc.Peek() == '%') {
                sc.Advance();
                n = n / 100;
            } else {
                n = n / 255;
            }
            rgb[i] = std::clamp(n, 0.0, 1.0);
            sc.SkipSeparator();
        }
        paint.colour = RgbColour(rgb[0], rgb[1], rgb[2]);
        return paint;
    }
    for (const NamedColour& n : kNamedColours) {
        if (low == n.name) {
            paint.colour = RgbColour(n.r / 255.0, n.g / 255.0, n.b / 255.0);
            return paint;
        }
    }
    FailSvg("unknown colour \"" + text + "\"");
}

}  // namespace scribera::io
