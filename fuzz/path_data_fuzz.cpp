// SVG path data of any text; what parses must write and parse back to the same anchors.
#include "io/PathData.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace scribera::io;

namespace {

bool SamePoint(const SBRealPoint& a, const SBRealPoint& b) { return a.h == b.h && a.v == b.v; }

bool SameAnchors(const std::vector<Subpath>& a, const std::vector<Subpath>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].closed != b[i].closed || a[i].anchors.size() != b[i].anchors.size()) return false;
        for (size_t k = 0; k < a[i].anchors.size(); ++k) {
            const SBPathSegment &x = a[i].anchors[k], &y = b[i].anchors[k];
            if (!SamePoint(x.p, y.p) || !SamePoint(x.in, y.in) || !SamePoint(x.out, y.out)) return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<Subpath> paths;
    std::string error;
    if (!ParsePathData(text, &paths, &error)) return 0;
    const std::string written = WritePathData(paths);
    std::vector<Subpath> again;
    if (!ParsePathData(written, &again, &error)) {
        std::fprintf(stderr, "written path data does not parse (%s): %s\n", error.c_str(), written.c_str());
        std::abort();
    }
    if (!SameAnchors(paths, again)) {
        std::fprintf(stderr, "path data reads back other anchors: %s\n", written.c_str());
        std::abort();
    }
    return 0;
}
