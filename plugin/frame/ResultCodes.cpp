#include "frame/ResultCodes.h"

const int32_t kSilentCodes[] = {
    static_cast<int32_t>(SB_FOURCC('F', 'M', 'T', '?')),
    static_cast<int32_t>(SB_FOURCC('R', 'F', 'S', 'E')),
    static_cast<int32_t>(SB_FOURCC('A', 'F', 'T', 'R')),
    static_cast<int32_t>(SB_FOURCC('V', 'A', 'L', 'D')),
    static_cast<int32_t>(SB_FOURCC('M', 'O', 'O', 'T')),
    static_cast<int32_t>(SB_FOURCC('T', 'R', 'S', 'H')),
    static_cast<int32_t>(SB_FOURCC('C', 'H', 'E', 'K')),
    static_cast<int32_t>(SB_FOURCC('C', 'H', 'I', 'T')),
    static_cast<int32_t>(SB_FOURCC('T', 'L', 'T', 'K')),
    static_cast<int32_t>(SB_FOURCC('p', 'F', 'l', 's')),
    static_cast<int32_t>(SB_FOURCC('S', '!', 'F', 'd')),
    static_cast<int32_t>(SB_FOURCC('!', 'A', 'c', 'q')),
    static_cast<int32_t>(SB_FOURCC('d', 's', 'R', 'P')),
    static_cast<int32_t>(SB_FOURCC('s', 'k', 'p', 'E')),
    static_cast<int32_t>(SB_FOURCC('D', 'O', 'N', 'E')),
    static_cast<int32_t>(SB_FOURCC('S', 'T', 'O', 'P')),
    361,
    0,
};

bool IsSilentCode(SBErr code) {
    for (const int32_t* c = kSilentCodes; *c != 0; ++c) {
        if (*c == code) return true;
    }
    return false;
}
