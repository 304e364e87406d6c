#include "frame/sb/Document.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"
#include "frame/sb/Art.h"

namespace sb {

void GetDocumentSize(double* width, double* height) {
    CheckHostResult(HeldSuite(sDocument).GetDocumentSize(width, height));
}

SBRealPoint GetDocumentRulerOrigin() {
    SBRealPoint origin{0, 0};
    CheckHostResult(HeldSuite(sDocument).GetDocumentRulerOrigin(&origin));
    return origin;
}

int32_t GetDocumentColorModel() {
    int32_t model = 0;
    CheckHostResult(HeldSuite(sDocument).GetDocumentColorModel(&model));
    return model;
}

SBRealRect GetDocumentViewBounds(SBDocumentViewHandle view) {
    SBRealRect bounds{};
    CheckHostResult(HeldSuite(sDocumentView).GetDocumentViewBounds(view, &bounds));
    return bounds;
}

void MdMemoryDisposeHandle(void* handle) { CheckHostResult(HeldSuite(sMdMemory).MdMemoryDisposeHandle(handle)); }

MatchingArt::MatchingArt(const SBMatchingArtSpec* criteria, int16_t specCount) {
    SBArtHandle* matches = nullptr;
    int32_t count = 0;
    SBErr result = HeldSuite(sMatchingArt).GetMatchingArt(criteria, specCount, &matches, &count);
    if (result != 0) {
        if (matches && sMdMemory) sMdMemory->MdMemoryDisposeHandle(matches);
        throw HostError(result);
    }
    matches_ = matches;
    count_ = matches ? (count > 0 ? count : 0) : 0;
}

MatchingArt::~MatchingArt() {
    // Nothing can be reported from here; an explicit Free() reports.
    if (matches_ && sMdMemory) sMdMemory->MdMemoryDisposeHandle(matches_);
}

SBArtHandle MatchingArt::At(int32_t index) const {
    CheckCondition(index >= 0 && index < count_);
    return matches_[index];
}

void MatchingArt::Free() {
    SBArtHandle* matches = matches_;
    matches_ = nullptr;
    count_ = 0;
    if (matches) MdMemoryDisposeHandle(matches);
}

}  // namespace sb
