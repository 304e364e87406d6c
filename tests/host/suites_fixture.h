// A session made current, and the suite tables acquired the way a plug-in acquires them.
#pragma once

#include "core/Session.h"

#include <scribera/SBSuites.h>

#include <gtest/gtest.h>

namespace scribera::testing {

class SuiteTest : public ::testing::Test {
protected:
    SuiteTest() { session.MakeCurrent(); }

    template <class T>
    const T* Acquire(const char* name, int32_t version) {
        const void* table = nullptr;
        EXPECT_EQ(session.BasicSuite()->AcquireSuite(name, version, &table), SB_OK) << name;
        return static_cast<const T*>(table);
    }

    SBArtHandle Layer() { return ToHandle<SBArtHandle>(session.Doc().CurrentLayerGroup()); }

    SBArtHandle NewPath(SBArtHandle ref = nullptr, int16_t placement = SB_PLACE_INSIDE_ON_TOP) {
        SBArtHandle h = nullptr;
        EXPECT_EQ(art->NewArt(SB_ART_PATH, placement, ref ? ref : Layer(), &h), SB_OK);
        return h;
    }

    SBUnicodeStringRef Text(const char* text) {
        SBUnicodeStringRef s = nullptr;
        EXPECT_EQ(unicode->NewFromSystemText(text, &s), SB_OK);
        return s;
    }

    Session session;
    const SBArtSuite* art = Acquire<SBArtSuite>(kSBArtSuite, kSBArtSuiteVersion);
    const SBPathSuite* path = Acquire<SBPathSuite>(kSBPathSuite, kSBPathSuiteVersion);
    const SBUnicodeStringSuite* unicode =
        Acquire<SBUnicodeStringSuite>(kSBUnicodeStringSuite, kSBUnicodeStringSuiteVersion);
};

}  // namespace scribera::testing
