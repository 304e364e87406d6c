// The document, its view, matching art and host memory.
#pragma once

#include <scribera/SBTypes.h>

#include <cstdint>

namespace sb {

// SB Document Suite.
void GetDocumentSize(double* width, double* height);
SBRealPoint GetDocumentRulerOrigin();
int32_t GetDocumentColorModel();

// SB Document View Suite; a null view means the current one.
SBRealRect GetDocumentViewBounds(SBDocumentViewHandle view);

// SB MdMemory Suite.
void MdMemoryDisposeHandle(void* handle);

// The art matching a set of match records (SB Matching Art Suite). The host's list is freed
// when this goes out of scope, also when a later host call raised.
class MatchingArt {
public:
    MatchingArt(const SBMatchingArtSpec* criteria, int16_t specCount);
    ~MatchingArt();
    MatchingArt(const MatchingArt&) = delete;
    MatchingArt& operator=(const MatchingArt&) = delete;

    int32_t Count() const { return count_; }
    // An index outside 0 .. Count() − 1 raises CheckFailure.
    SBArtHandle At(int32_t index) const;
    // Frees the list now, raising HostError when the host refuses.
    void Free();

private:
    SBArtHandle* matches_ = nullptr;
    int32_t count_ = 0;
};

}  // namespace sb
