#include "io/ScreenColour.h"

#include <algorithm>

namespace scribera::io {

namespace {

double Unit(double v) { return std::clamp(v, 0.0, 1.0); }

Rgb FourToRgb(const SBFourColor& f) {
    double k = 1 - Unit(f.black);
    return {(1 - Unit(f.cyan)) * k, (1 - Unit(f.magenta)) * k, (1 - Unit(f.yellow)) * k};
}

}  // namespace

bool ScreenRgb(const SBColor& c, const Artwork& artwork, Rgb* out) {
    switch (c.kind) {
        case SB_COLOR_NONE:
            return false;
        case SB_COLOR_GRAY: {
            double light = 1 - Unit(c.c.gray.gray);
            *out = {light, light, light};
            return true;
        }
        case SB_COLOR_THREE:
            *out = {Unit(c.c.three.red), Unit(c.c.three.green), Unit(c.c.three.blue)};
            return true;
        case SB_COLOR_FOUR:
            *out = FourToRgb(c.c.four);
            return true;
        case SB_COLOR_CUSTOM: {
            size_t i = HandleIndex(c.c.custom.color);
            if (i >= 1 && i <= artwork.customColours.size()) {
                const SBColor& d = artwork.customColours[i - 1].definition;
                if (d.kind == SB_COLOR_FOUR || d.kind == SB_COLOR_THREE || d.kind == SB_COLOR_GRAY) {
                    Rgb base;
                    ScreenRgb(d, artwork, &base);
                    *out = Mix(base, {1, 1, 1}, Unit(c.c.custom.tint));
                    return true;
                }
            }
            break;
        }
        default:
            break;
    }
    *out = {0.5, 0.5, 0.5};
    return true;
}

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
    return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t, a.blue + (b.blue - a.blue) * t};
}

}  // namespace scribera::io
