// What a colour of the document looks like on screen, as red, green and blue in 0 … 1. The SVG
// export and the PNG renderer share it, so that both pictures of a document agree.
#pragma once

#include "io/Artwork.h"

namespace scribera::io {

struct Rgb {
    double red = 0, green = 0, blue = 0;
};

// Gray is an amount of ink (0 white, 1 black); four-colour is converted simply; a custom colour is
// its definition lightened towards white by its tint (tint 0 the full colour). Patterns, gradients
// and colours that cannot be resolved show as a middle gray; false only for no colour at all.
bool ScreenRgb(const SBColor& colour, const Artwork& artwork, Rgb* out);

// A colour between two: t = 0 gives a, t = 1 gives b.
Rgb Mix(const Rgb& a, const Rgb& b, double t);

}  // namespace scribera::io
