#include "studio/PluginIcons.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace scribera::studio {

namespace {

constexpr const char* kSection = "scribera_rsrc";

uint32_t LE32(const std::string& b, size_t at) {
    auto u = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])); };
    return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}

uint32_t Code(const char* four) {
    return static_cast<uint32_t>(four[0]) << 24 | static_cast<uint32_t>(four[1]) << 16 |
           static_cast<uint32_t>(four[2]) << 8 | static_cast<uint32_t>(four[3]);
}

// The section's bytes, or false. Every offset is checked against the image before it is read.
bool FindSection(const std::string& image, std::string* out) {
    Elf64_Ehdr header;
    if (image.size() < sizeof header) return false;
    std::memcpy(&header, image.data(), sizeof header);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64) return false;
    if (header.e_shentsize < sizeof(Elf64_Shdr) || header.e_shstrndx >= header.e_shnum) return false;
    if (header.e_shoff > image.size() ||
        static_cast<uint64_t>(header.e_shnum) * header.e_shentsize > image.size() - header.e_shoff)
        return false;
    auto sectionAt = [&](size_t index) {
        Elf64_Shdr s;
        std::memcpy(&s, image.data() + header.e_shoff + index * header.e_shentsize, sizeof s);
        return s;
    };
    auto inside = [&](const Elf64_Shdr& s) { return s.sh_offset <= image.size() && s.sh_size <= image.size() - s.sh_offset; };
    const Elf64_Shdr names = sectionAt(header.e_shstrndx);
    if (!inside(names)) return false;
    const size_t nameLength = std::strlen(kSection) + 1;
    for (size_t i = 0; i < header.e_shnum; ++i) {
        const Elf64_Shdr s = sectionAt(i);
        if (s.sh_type == SHT_NOBITS || !inside(s)) continue;
        if (s.sh_name >= names.sh_size || names.sh_size - s.sh_name < nameLength) continue;
        if (std::memcmp(image.data() + names.sh_offset + s.sh_name, kSection, nameLength) != 0) continue;
        *out = image.substr(s.sh_offset, s.sh_size);
        return true;
    }
    return false;
}

}  // namespace

std::map<int32_t, std::string> ReadPluginIconsFromImage(const std::string& image) {
    std::map<int32_t, std::string> icons;
    std::string dir;
    if (!FindSection(image, &dir) || dir.size() < 8 || LE32(dir, 0) != Code("SBRS")) return icons;
    const uint32_t count = LE32(dir, 4);
    size_t at = 8;
    for (uint32_t i = 0; i < count; ++i) {
        if (dir.size() - at < 12 || LE32(dir, at) != Code("PNGI")) break;
        const int32_t id = static_cast<int32_t>(LE32(dir, at + 4));
        const uint32_t size = LE32(dir, at + 8);
        if (size > dir.size() - at - 12) break;
        icons[id] = dir.substr(at + 12, size);
        const size_t padded = (static_cast<size_t>(size) + 3) & ~size_t(3);
        if (padded > dir.size() - at - 12) break;
        at += 12 + padded;
    }
    return icons;
}

std::map<int32_t, std::string> ReadPluginIcons(const std::string& libraryPath) {
    std::ifstream file(libraryPath, std::ios::binary);
    if (!file) return {};
    const std::string image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return ReadPluginIconsFromImage(image);
}

}  // namespace scribera::studio
