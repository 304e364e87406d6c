// SVG in and out for a host built without an XML library (SCRIBERA_WITH_SVG off, as in the
// Windows build): every call fails with the reason, so a script that needs SVG stops there.
#include "io/SvgExport.h"
#include "io/SvgImport.h"

namespace scribera::io {

namespace {
const char kOmitted[] = ": SVG is not part of this build of scribera";
}

bool ImportSvgText(const std::string&, const std::string& fileName, double, Artwork*, std::string* error,
                   const SvgLimits&) {
    if (error) *error = fileName + kOmitted;
    return false;
}

bool ImportSvgFile(const std::string& path, double, Artwork*, std::string* error, const SvgLimits&) {
    if (error) *error = path + kOmitted;
    return false;
}

std::string ExportSvg(const Artwork&, const SvgPage&) { return std::string(); }

bool ExportSvgFile(const Artwork&, const SvgPage&, const std::string& path, std::string* error) {
    if (error) *error = path + kOmitted;
    return false;
}

}  // namespace scribera::io
