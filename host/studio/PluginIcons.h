// The tool icons a plug-in carries in its library file (the section scribera_rsrc of a Linux
// build), read from the file as a host reads them, without running the plug-in's code.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace scribera::studio {

// The PNG images by resource id. Empty when the file is not a 64-bit ELF library or carries no
// icons; a damaged directory gives the entries before the damage.
std::map<int32_t, std::string> ReadPluginIcons(const std::string& libraryPath);
// The same, from the library's bytes.
std::map<int32_t, std::string> ReadPluginIconsFromImage(const std::string& image);

}  // namespace scribera::studio
