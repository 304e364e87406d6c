// The words of scenario scripts: numbers, indices, points, paint, modifier keys and result codes.
#pragma once

#include <scribera/SBTypes.h>

#include <cstdint>
#include <string>
#include <vector>

namespace scribera::cli {

// A finite decimal number within the coordinate bound; a leading '+' is allowed.
bool Number(const std::string& word, double* value);
// A decimal or 0x hexadecimal whole number of at most 32 bits, with an optional '-'.
bool Integer(const std::string& word, int64_t* value);
// X,Y
bool Point(const std::string& word, SBRealPoint* point);
// The value of a word its command's check has accepted.
double Num(const std::string& word);
int64_t Int(const std::string& word);
// The point of the numbers words[at] and words[at + 1].
SBRealPoint PointAt(const std::vector<std::string>& words, size_t at);

struct GradientStopSpec {
    double position = 0, midpoint = 50;
    SBColor colour{};
};

struct PaintSpec {
    enum Kind { None, Colour, Linear, Radial } kind = None;
    SBColor colour{};
    double angle = 0;
    std::vector<GradientStopSpec> stops;
};

// The paint given by words[at...]: none, gray G, rgb R G B, cmyk C M Y K, linear ANGLE STOP...,
// radial STOP... (a stop is POSITION[@MIDPOINT]:rgb:R:G:B, also gray:G and cmyk:C:M:Y:K).
bool ParsePaint(const std::vector<std::string>& words, size_t at, PaintSpec* paint, std::string* error);

// shift, alt, or a bit as a number (0x1000).
bool ModifierBit(const std::string& name, uint16_t* bit);

// A number, or four characters bare or in single quotes (CANT, 'CANT').
bool ResultCode(const std::string& word, SBErr* code);

}  // namespace scribera::cli
