#include "resources/Resources.h"

#define LE32(v)                                                                            \
    static_cast<unsigned char>((v)&0xFFu), static_cast<unsigned char>(((v) >> 8) & 0xFFu), \
        static_cast<unsigned char>(((v) >> 16) & 0xFFu), static_cast<unsigned char>(((v) >> 24) & 0xFFu)
#define CODE(a, b, c, d) LE32((uint32_t(a) << 24) | (uint32_t(b) << 16) | (uint32_t(c) << 8) | uint32_t(d))

alignas(4) ZARVO_RESOURCE_SECTION("scribera_pipl") const unsigned char kZarvoPropertyList[] = {
    1,
    0,         // 16-bit 1
    LE32(0u),  // version
    LE32(4u),  // properties
    CODE('N', 'R', 'V', 'N'),
    CODE('k', 'i', 'n', 'd'),
    LE32(0u),
    LE32(4u),
    CODE('X', 'Q', 'E', 'A'),
    CODE('N', 'R', 'V', 'N'),
    CODE('i', 'v', 'r', 's'),
    LE32(0u),
    LE32(4u),
    LE32(2u),
    CODE('N', 'R', 'V', 'N'),
    CODE('w', 'x', '8', '6'),
    LE32(0u),
    LE32(12u),
    'P',
    'l',
    'u',
    'g',
    'i',
    'n',
    'M',
    'a',
    'i',
    'n',
    0,
    0,
    CODE('N', 'R', 'V', 'N'),
    CODE('p', 'i', 'n', 'm'),
    LE32(0u),
    LE32(6u),
    'Z',
    'a',
    'r',
    'v',
    'o',
    0,
    0,
    0,
};
const size_t kZarvoPropertyListSize = sizeof kZarvoPropertyList;

namespace resources {

namespace {
uint32_t ReadLE32(const unsigned char* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
}  // namespace

Resource Find(uint32_t type, int32_t id) {
    Resource found;
    if (type == kPropertyListType) {
        if (id == kPropertyListId) found = {kZarvoPropertyList, kZarvoPropertyListSize};
        return found;
    }
    const unsigned char* p = kZarvoResourceDirectory;
    const unsigned char* end = p + kZarvoResourceDirectorySize;
    if (kZarvoResourceDirectorySize < 8 || ReadLE32(p) != 0x53425253u) return found;  // 'SBRS'
    uint32_t count = ReadLE32(p + 4);
    p += 8;
    for (uint32_t i = 0; i < count && end - p >= 12; ++i) {
        uint32_t entryType = ReadLE32(p);
        int32_t entryId = static_cast<int32_t>(ReadLE32(p + 4));
        size_t size = ReadLE32(p + 8);
        p += 12;
        if (size > static_cast<size_t>(end - p)) break;
        if (entryType == type && entryId == id) return {p, size};
        p += (size + 3) & ~size_t(3);
    }
    return found;
}

}  // namespace resources
