// The syntax SVG texts share: numbers, number lists, lengths, transforms and colours. Path data and
// attribute texts read their numbers with the one scanner here, so a number reads the same in both.
#pragma once

#include "io/Affine.h"

#include <scribera/SBTypes.h>

#include <algorithm>
#include <string>
#include <vector>

namespace scribera::io {

// Numbers beyond this magnitude are refused: they are never real artwork and they overflow the
// geometry downstream.
constexpr double kMaxCoordinate = 1e9;

// An attribute text that cannot be read; the import reports `what` after the file's name.
struct SvgError {
    std::string what;
};
[[noreturn]] void FailSvg(const std::string& what);

inline bool IsSvgSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
std::string TrimSpace(const std::string& text);
std::string LowerAscii(std::string text);
// The pieces between separators, empty ones included: "a;;b;" gives "a", "", "b", "".
std::vector<std::string> SplitAt(const std::string& text, char separator);

// A cursor over one text. The text must outlive the scanner.
class SvgScanner {
public:
    explicit SvgScanner(const std::string& text) : s_(text) {}

    void SkipSpace() {
        while (pos_ < s_.size() && IsSvgSpace(s_[pos_])) ++pos_;
    }
    // Space, at most one comma, space.
    void SkipSeparator() {
        SkipSpace();
        if (pos_ < s_.size() && s_[pos_] == ',') {
            ++pos_;
            SkipSpace();
        }
    }
    // Skips space first.
    bool AtEnd() {
        SkipSpace();
        return pos_ >= s_.size();
    }
    char Peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }
    void Advance() { ++pos_; }
    size_t Pos() const { return pos_; }

    // A digit, or a sign or a point (or both) before one.
    bool StartsNumber() const;

    enum class Number { Absent, Read, OutOfRange };
    // Reads the number at the cursor: sign, digits with at most one point, and an exponent only when
    // it has digits ("2em" is 2 before "em"). A number beyond kMaxCoordinate, or one that does not fit
    // a double, is OutOfRange and leaves the cursor where its value starts (after a '+'); Absent
    // leaves the cursor alone.
    Number ScanNumber(double* value);

    // For attribute texts: these skip space first and throw SvgError quoting the text.
    bool TryNumber(double* value);
    double ReadNumber();

    std::string Rest() const { return s_.substr(std::min(pos_, s_.size())); }
    // The text for an error message, cut short when long.
    std::string Excerpt() const { return s_.size() > 60 ? s_.substr(0, 60) + "..." : s_; }

private:
    const std::string& s_;
    size_t pos_ = 0;
};

// Numbers separated by space or one comma.
std::vector<double> ParseNumberList(const std::string& text);
// The number the text starts with, after space; what follows it is not looked at.
double ParseLeadingNumber(const std::string& text);
// A length in user units: a number with an optional absolute unit. `what` names it in errors.
double ParseLength(const std::string& text, const char* what);
// A length, or a percentage of `percentOf` ("50%" is half of it).
double ParseCoordinate(const std::string& text, double percentOf, const char* what);
// A transform list, the first transform outermost.
Affine ParseTransform(const std::string& text);

SBColor RgbColour(double r, double g, double b);
SBColor NoColour();

struct SvgPaint {
    enum Kind { None, Colour, Url } kind = None;
    SBColor colour{};
    std::string url;  // the id, without '#'
};
// A CSS colour (#rgb, #rgba, #rrggbb, #rrggbbaa, rgb(), rgba(), a name), or none / transparent /
// currentColor (which is `current`) / url(#id).
SvgPaint ParsePaint(const std::string& text, const SBColor& current);

}  // namespace scribera::io
