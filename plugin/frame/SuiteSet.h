// The host suites a plug-in holds, acquired together and released together.
#pragma once

#include "frame/Suites.h"

#include <cstdint>

class SuiteSet {
public:
    // Acquires the basic table, then the import table's required entries, then its optional ones.
    // When another set already holds the suites (the shared count is above 0) it acquires nothing.
    SuiteSet(SuiteImport* basic, int basicCount, SuiteImport* imports);
    SuiteSet() : SuiteSet(gBasicSuites, 7, gImportSuites) {}
    // Releases what was acquired, but only when this was the last holder.
    ~SuiteSet();
    SuiteSet(const SuiteSet&) = delete;
    SuiteSet& operator=(const SuiteSet&) = delete;

    int32_t Result() const { return result_; }
    int16_t RequiredCount() const { return requiredCount_; }
    int16_t OptionalCount() const { return optionalCount_; }
    int16_t OptionalAcquired() const { return optionalAcquired_; }

    // Tries the optional suites still missing; failures are ignored.
    void AcquireOptional();
    // The first failing release's code, or 0. Safe to call once; the destructor calls it.
    int32_t ReleaseAll();

    // Shared by every set: how many sets hold the suites.
    static int16_t SharedCount();
    static void SetSharedCount(int16_t count);

private:
    SuiteImport* basic_;
    int basicCount_;
    SuiteImport* imports_;
    int32_t result_ = 0;
    int16_t requiredCount_ = 0;
    int16_t optionalCount_ = 0;
    int16_t optionalAcquired_ = 0;
    bool released_ = false;
};
