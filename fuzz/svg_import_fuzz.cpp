// SVG import of any text; what imports must export and import again to the same file.
#include "io/Artwork.h"
#include "io/SvgExport.h"
#include "io/SvgImport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace scribera::io;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SvgLimits limits;
    limits.maxObjects = 2000;
    limits.maxAnchors = 20000;
    Artwork artwork;
    std::string error;
    if (!ImportSvgText(text, "fuzz.svg", 600, &artwork, &error, limits)) return 0;
    const SvgPage page{800, 600, {0, 0}, {0, 600, 800, 0}, SB_MODEL_RGB};
    const std::string first = ExportSvg(artwork, page);
    Artwork again;
    if (!ImportSvgText(first, "export.svg", 600, &again, &error)) {
        std::fprintf(stderr, "the host refuses its own export: %s\n%s\n", error.c_str(), first.c_str());
        std::abort();
    }
    const std::string second = ExportSvg(again, page);
    if (second != first) {
        std::fprintf(stderr, "export, import, export differs:\n%s\n---\n%s\n", first.c_str(), second.c_str());
        std::abort();
    }
    return 0;
}
