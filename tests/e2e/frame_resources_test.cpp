// The property list and the tool icons in the built library, read from the file as a host reads
// them before it calls the plug-in.
#include "support/TestEnvironment.h"

#include <scribera/SBTypes.h>

#include <cairo.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::map<std::string, Bytes> ReadSections(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    Bytes image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::map<std::string, Bytes> sections;
    if (image.size() < sizeof(Elf64_Ehdr)) return sections;
    Elf64_Ehdr header;
    std::memcpy(&header, image.data(), sizeof header);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64) return sections;
    auto sectionAt = [&](size_t index) {
        Elf64_Shdr s;
        std::memcpy(&s, image.data() + header.e_shoff + index * header.e_shentsize, sizeof s);
        return s;
    };
    if (header.e_shoff + size_t(header.e_shnum) * header.e_shentsize > image.size()) return sections;
    const Elf64_Shdr names = sectionAt(header.e_shstrndx);
    for (size_t i = 0; i < header.e_shnum; ++i) {
        const Elf64_Shdr s = sectionAt(i);
        if (s.sh_type == SHT_NOBITS || s.sh_offset + s.sh_size > image.size()) continue;
        std::string name(reinterpret_cast<const char*>(image.data() + names.sh_offset + s.sh_name));
        sections[name] = Bytes(image.begin() + s.sh_offset, image.begin() + s.sh_offset + s.sh_size);
    }
    return sections;
}

uint32_t LE32(const Bytes& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

uint32_t Code(const char* four) { return SB_FOURCC(four[0], four[1], four[2], four[3]); }

cairo_status_t ReadPng(void* closure, unsigned char* data, unsigned int length) {
    auto* cursor = static_cast<std::pair<const Bytes*, size_t>*>(closure);
    if (cursor->second + length > cursor->first->size()) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, cursor->first->data() + cursor->second, length);
    cursor->second += length;
    return CAIRO_STATUS_SUCCESS;
}

TEST(FrameResources, PropertyListNamesKindVersionEntryPointAndName) {
    auto sections = ReadSections(testenv::PluginPath());
    ASSERT_TRUE(sections.count("scribera_pipl"));
    const Bytes& pipl = sections["scribera_pipl"];
    ASSERT_GE(pipl.size(), 10u);
    EXPECT_EQ(pipl[0] | pipl[1] << 8, 1);
    EXPECT_EQ(LE32(pipl, 2), 0u);
    ASSERT_EQ(LE32(pipl, 6), 4u);

    struct Property {
        uint32_t key;
        Bytes data;
    };
    std::vector<Property> properties;
    size_t at = 10;
    for (int i = 0; i < 4; ++i) {
        ASSERT_LE(at + 16, pipl.size());
        EXPECT_EQ(LE32(pipl, at), Code("NRVN"));
        EXPECT_EQ(LE32(pipl, at + 8), 0u);
        uint32_t length = LE32(pipl, at + 12);
        ASSERT_LE(at + 16 + length, pipl.size());
        properties.push_back({LE32(pipl, at + 4), Bytes(pipl.begin() + at + 16, pipl.begin() + at + 16 + length)});
        at += 16 + ((length + 3) & ~3u);
    }
    EXPECT_EQ(at, pipl.size());
    ASSERT_EQ(properties.size(), 4u);
    EXPECT_EQ(properties[0].key, Code("kind"));
    ASSERT_EQ(properties[0].data.size(), 4u);
    EXPECT_EQ(LE32(properties[0].data, 0), Code("XQEA"));
    EXPECT_EQ(properties[1].key, Code("ivrs"));
    ASSERT_EQ(properties[1].data.size(), 4u);
    EXPECT_EQ(LE32(properties[1].data, 0), 2u);
    EXPECT_EQ(properties[2].key, Code("wx86"));
    EXPECT_EQ(properties[2].data, Bytes({'P', 'l', 'u', 'g', 'i', 'n', 'M', 'a', 'i', 'n', 0, 0}));
    EXPECT_EQ(properties[3].key, Code("pinm"));
    EXPECT_EQ(properties[3].data, Bytes({'Z', 'a', 'r', 'v', 'o', 0}));
}

TEST(FrameResources, ThirteenDrawnIconsInOrder) {
    auto sections = ReadSections(testenv::PluginPath());
    ASSERT_TRUE(sections.count("scribera_rsrc"));
    const Bytes& dir = sections["scribera_rsrc"];
    ASSERT_GE(dir.size(), 8u);
    EXPECT_EQ(LE32(dir, 0), Code("SBRS"));
    ASSERT_EQ(LE32(dir, 4), 13u);
    size_t at = 8;
    std::vector<Bytes> pixels;
    for (uint32_t i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        ASSERT_LE(at + 12, dir.size());
        EXPECT_EQ(LE32(dir, at), Code("PNGI"));
        EXPECT_EQ(LE32(dir, at + 4), 16064u + i);
        uint32_t size = LE32(dir, at + 8);
        ASSERT_LE(at + 12 + size, dir.size());
        Bytes png(dir.begin() + at + 12, dir.begin() + at + 12 + size);
        at += 12 + ((size + 3) & ~3u);

        std::pair<const Bytes*, size_t> cursor{&png, 0};
        cairo_surface_t* image = cairo_image_surface_create_from_png_stream(ReadPng, &cursor);
        ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
        EXPECT_EQ(cairo_image_surface_get_width(image), 24);
        EXPECT_EQ(cairo_image_surface_get_height(image), 24);
        // Drawn: a fair share of the square is covered, but not all of it.
        cairo_surface_flush(image);
        const unsigned char* data = cairo_image_surface_get_data(image);
        int stride = cairo_image_surface_get_stride(image), covered = 0;
        Bytes alpha;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) {
                uint32_t argb;
                std::memcpy(&argb, data + y * stride + x * 4, 4);
                alpha.push_back(static_cast<unsigned char>(argb >> 24));
                covered += (argb >> 24) > 128;
            }
        EXPECT_GT(covered, 24 * 24 / 10);
        EXPECT_LT(covered, 24 * 24 * 9 / 10);
        pixels.push_back(alpha);
        cairo_surface_destroy(image);
    }
    EXPECT_EQ(at, dir.size());
    for (size_t i = 0; i < pixels.size(); ++i)
        for (size_t j = i + 1; j < pixels.size(); ++j) EXPECT_NE(pixels[i], pixels[j]) << i << " " << j;
}

}  // namespace
