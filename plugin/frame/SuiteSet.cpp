#include "frame/SuiteSet.h"

namespace {

int16_t gSharedAcquisitions = 0;

bool HasOptionalPart(const SuiteImport* imports, int16_t required) {
    return imports[required].version == kOptionalSuitesMarker;
}

SBErr Acquire(SuiteImport& entry) {
    if (!entry.destination) return 0;
    // A suite listed in both tables is acquired once and so released once.
    if (*entry.destination) return 0;
    if (!sBasic || !sBasic->AcquireSuite) return SB_ERR_NO_SUITE;
    const void* suite = nullptr;
    SBErr code = sBasic->AcquireSuite(entry.name, entry.version, &suite);
    if (code == 0) *entry.destination = suite;
    return code;
}

SBErr Release(SuiteImport& entry) {
    if (!entry.destination || !*entry.destination) return 0;
    SBErr code = (sBasic && sBasic->ReleaseSuite) ? sBasic->ReleaseSuite(entry.name, entry.version) : SB_ERR_NO_SUITE;
    *entry.destination = nullptr;
    return code;
}

}  // namespace

SuiteSet::SuiteSet(SuiteImport* basic, int basicCount, SuiteImport* imports)
    : basic_(basic), basicCount_(basicCount), imports_(imports) {
    while (imports_[requiredCount_].name) ++requiredCount_;
    if (HasOptionalPart(imports_, requiredCount_)) {
        const SuiteImport* optional = imports_ + requiredCount_ + 1;
        while (optional[optionalCount_].name) ++optionalCount_;
    }
    optionalAcquired_ = 0;
    if (gSharedAcquisitions == 0) {
        for (int i = 0; i < basicCount_ && result_ == 0; ++i) result_ = Acquire(basic_[i]);
        for (int i = 0; i < requiredCount_ && result_ == 0; ++i) result_ = Acquire(imports_[i]);
        if (result_ != 0) return;
        ++gSharedAcquisitions;
    }
    if (result_ == 0) AcquireOptional();
}

SuiteSet::~SuiteSet() { ReleaseAll(); }

void SuiteSet::AcquireOptional() {
    if (optionalAcquired_ >= optionalCount_) return;
    SuiteImport* optional = imports_ + requiredCount_ + 1;
    for (int i = 0; i < optionalCount_; ++i) {
        SuiteImport& entry = optional[i];
        if (!entry.destination) break;
        if (*entry.destination) continue;
        if (Acquire(entry) == 0 && *entry.destination) ++optionalAcquired_;
    }
}

int32_t SuiteSet::ReleaseAll() {
    if (released_) return 0;
    released_ = true;
    int16_t before = gSharedAcquisitions;
    if (gSharedAcquisitions > 0) --gSharedAcquisitions;
    if (before != 1) return 0;
    // One release that fails does not keep the others: every suite goes back, the first failure is
    // reported.
    SBErr code = 0;
    auto release = [&code](SuiteImport& entry) {
        const SBErr result = Release(entry);
        if (code == 0) code = result;
    };
    for (int i = 0; i < basicCount_; ++i) release(basic_[i]);
    for (int i = 0; i < requiredCount_; ++i) release(imports_[i]);
    if (HasOptionalPart(imports_, requiredCount_)) {
        SuiteImport* optional = imports_ + requiredCount_ + 1;
        for (int i = 0; i < optionalCount_ && optionalAcquired_ > 0; ++i) {
            if (!optional[i].destination || !*optional[i].destination) continue;
            release(optional[i]);
            --optionalAcquired_;
        }
    }
    return code;
}

int16_t SuiteSet::SharedCount() { return gSharedAcquisitions; }
void SuiteSet::SetSharedCount(int16_t count) { gSharedAcquisitions = count; }
