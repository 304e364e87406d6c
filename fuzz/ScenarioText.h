// Scenario lines built from fuzzer bytes for the hosted targets.
#pragma once

#include "FuzzInput.h"

#include <cstdio>
#include <string>

namespace fuzzhost {

inline std::string Number(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", v);
    return buffer;
}

// A point on the page of a 400 x 400 document, or a little beyond it.
inline std::string Point(FuzzInput& in) {
    return Number(in.Byte() * 1.75 - 24 + in.Byte() / 256.0) + " " + Number(in.Byte() * 1.75 - 24 + in.Byte() / 256.0);
}

// Path data of up to 12 anchors per subpath and 3 subpaths, lines and curves, closed or open.
inline std::string PathData(FuzzInput& in) {
    std::string d;
    const int subpaths = 1 + in.Byte() % 3;
    for (int s = 0; s < subpaths && !in.Empty(); ++s) {
        d += "M" + Point(in);
        const int anchors = in.Byte() % 12;
        for (int k = 0; k < anchors; ++k) {
            if (in.Bit())
                d += " C" + Point(in) + " " + Point(in) + " " + Point(in);
            else
                d += " L" + Point(in);
        }
        if (in.Bit()) d += " Z";
        d += " ";
    }
    return d;
}

// Some art on a fresh document: paths, maybe a compound, grouped or clipped, all selected.
inline std::string Artwork(FuzzInput& in) {
    std::string s = "document 400 400\nfill rgb 0.2 0.4 0.8\n";
    const int paths = 1 + in.Byte() % 4;
    for (int i = 0; i < paths; ++i) s += "path-d \"" + PathData(in) + "\"\n";
    switch (in.Byte() % 4) {
        case 1:
            s += "group 0 1\n";
            break;
        case 2:
            s += "clip 0 1\n";
            break;
        default:
            break;
    }
    return s + "select all\n";
}

}  // namespace fuzzhost
