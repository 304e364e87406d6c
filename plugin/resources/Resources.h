// The plug-in's resources: the property list the host reads before calling the plug-in, and the
// tool icons.
//
// On Linux both are also in named ELF sections, so a host can read them from the library file
// without loading it:
//   "scribera_pipl"  the property list, exactly as below;
//   "scribera_rsrc"  a resource directory: 'SBRS', the entry count, then per entry the type
//                    ('PNGI'), the id, the byte size and the bytes, padded with zeros to 4 bytes.
//                    Every number is a 32-bit little-endian value.
//
// Property list (type 'PIPL', id 16000): a 16-bit 1, a 32-bit version 0, a 32-bit count 4, then
// per property the vendor 'NRVN', the key, a 32-bit id 0, the data length and the data, padded
// with zeros to 4 bytes: 'kind' 'XQEA'; 'ivrs' 2; 'wx86' "PluginMain" in 12 bytes; 'pinm' "Zarvo"
// with its NUL (length 6). Four-character codes are stored as 32-bit little-endian values.
#pragma once

#include <cstddef>
#include <cstdint>

namespace resources {

constexpr uint32_t kPropertyListType = 0x5049504C;  // 'PIPL'
constexpr int32_t kPropertyListId = 16000;
constexpr uint32_t kIconType = 0x504E4749;  // 'PNGI'
constexpr int32_t kFirstIconId = 16064;
constexpr int32_t kIconCount = 13;

struct Resource {
    const unsigned char* data = nullptr;
    size_t size = 0;
};

// The resource of that type and id; empty when there is none.
Resource Find(uint32_t type, int32_t id);

}  // namespace resources

// Puts a table in the named ELF section (kept even when nothing refers to it). It follows
// alignas in a declaration: compilers differ on which orders they take, and this one both take.
#if defined(__ELF__)
#define ZARVO_RESOURCE_SECTION(name) __attribute__((section(name), used))
#else
#define ZARVO_RESOURCE_SECTION(name)
#endif

// Defined in Pipl.cpp and in the generated icon directory.
extern const unsigned char kZarvoPropertyList[];
extern const size_t kZarvoPropertyListSize;
extern const unsigned char kZarvoResourceDirectory[];
extern const size_t kZarvoResourceDirectorySize;
