// Acquiring suites, fault injection, the call trace and checked handles.
#include "core/suites/Suites.h"
#include "suites_fixture.h"

#include <cstring>

namespace scribera {
namespace {

using testing::SuiteTest;

TEST_F(SuiteTest, EverySuiteTheHostOffersIsFoundByExactNameAndVersion) {
    const struct {
        const char* name;
        int32_t version;
    } all[] = {
        {kSBAccessSuite, kSBAccessSuiteVersion},
        {kSBPluginsSuite, kSBPluginsSuiteVersion},
        {kSBNotifierSuite, kSBNotifierSuiteVersion},
        {kSBContextSuite, kSBContextSuiteVersion},
        {kSBUserSuite, kSBUserSuiteVersion},
        {kSBFilePathSuite, kSBFilePathSuiteVersion},
        {kSBFoldersSuite, kSBFoldersSuiteVersion},
        {kSBFilterSuite, kSBFilterSuiteVersion},
        {kSBBlocksSuite, kSBBlocksSuiteVersion},
        {kSBArtSuite, kSBArtSuiteVersion},
        {kSBArtStyleSuite, kSBArtStyleSuiteVersion},
        {kSBBlendStyleSuite, kSBBlendStyleSuiteVersion},
        {kSBBlockSuite, kSBBlockSuiteVersion},
        {kSBCustomColorSuite, kSBCustomColorSuiteVersion},
        {kSBDictionarySuite, kSBDictionarySuiteVersion},
        {kSBPathSuite, kSBPathSuiteVersion},
        {kSBPathStyleSuite, kSBPathStyleSuiteVersion},
        {kSBRealMathSuite, kSBRealMathSuiteVersion},
        {kSBRandomSuite, kSBRandomSuiteVersion},
        {kSBDocumentSuite, kSBDocumentSuiteVersion},
        {kSBDocumentViewSuite, kSBDocumentViewSuiteVersion},
        {kSBGroupSuite, kSBGroupSuiteVersion},
        {kSBGradientSuite, kSBGradientSuiteVersion},
        {kSBUndoSuite, kSBUndoSuiteVersion},
        {kSBToolSuite, kSBToolSuiteVersion},
        {kSBLiveEffectSuite, kSBLiveEffectSuiteVersion},
        {kSBMatchingArtSuite, kSBMatchingArtSuiteVersion},
        {kSBActionManagerSuite, kSBActionManagerSuiteVersion},
        {kSBMenuSuite, kSBMenuSuiteVersion},
        {kSBMeshSuite, kSBMeshSuiteVersion},
        {kSBMeshSegmentSuite, kSBMeshSegmentSuiteVersion},
        {kSBMeshVertexSuite, kSBMeshVertexSuiteVersion},
        {kSBUnicodeStringSuite, kSBUnicodeStringSuiteVersion},
        {kSBMdMemorySuite, kSBMdMemorySuiteVersion},
        {kSBStringFormatUtilsSuite, kSBStringFormatUtilsSuiteVersion},
        {kSBRuntimeSuite, kSBRuntimeSuiteVersion},
    };
    EXPECT_EQ(sizeof all / sizeof all[0], 36u);
    for (const auto& s : all) {
        const void* table = nullptr;
        EXPECT_EQ(session.BasicSuite()->AcquireSuite(s.name, s.version, &table), SB_OK) << s.name;
        EXPECT_NE(table, nullptr) << s.name;
        EXPECT_EQ(FindSuite(s.name, s.version + 1), nullptr) << s.name;
    }
    const void* table = reinterpret_cast<const void*>(&table);
    EXPECT_EQ(session.BasicSuite()->AcquireSuite("SB Art Suite ", kSBArtSuiteVersion, &table), SB_ERR_NO_SUITE);
    EXPECT_EQ(session.BasicSuite()->AcquireSuite("sb art suite", kSBArtSuiteVersion, &table), SB_ERR_NO_SUITE);
    EXPECT_EQ(session.BasicSuite()->AcquireSuite(kSBArtSuite, 16, &table), SB_ERR_NO_SUITE);
    EXPECT_EQ(table, reinterpret_cast<const void*>(&table));  // untouched on failure
}

TEST_F(SuiteTest, AcquisitionsAndReleasesAreCountedPerSuite) {
    // The fixture acquired the art, path and string suites once each.
    EXPECT_EQ(session.AcquireCount(kSBArtSuite), 1);
    EXPECT_EQ(session.SuitesHeld(), 3);
    Acquire<SBArtSuite>(kSBArtSuite, kSBArtSuiteVersion);
    EXPECT_EQ(session.AcquireCount(kSBArtSuite), 2);
    const SBBasicSuite* basic = session.BasicSuite();
    EXPECT_EQ(basic->ReleaseSuite(kSBArtSuite, kSBArtSuiteVersion), SB_OK);
    EXPECT_EQ(basic->ReleaseSuite(kSBArtSuite, kSBArtSuiteVersion), SB_OK);
    EXPECT_EQ(basic->ReleaseSuite(kSBArtSuite, kSBArtSuiteVersion), SB_ERR_BAD_PARAM);  // more than acquired
    EXPECT_EQ(basic->ReleaseSuite("No Such Suite", 1), SB_ERR_NO_SUITE);
    EXPECT_EQ(session.ReleaseCount(kSBArtSuite), 2);
    EXPECT_EQ(session.SuitesHeld(), 2);
}

TEST_F(SuiteTest, FaultInjectionFailsTheNthCallOnce) {
    session.Faults().Arm("SB Art.NewArt", 3, SB_ERR_MEMORY);
    SBArtHandle h = nullptr;
    EXPECT_EQ(art->NewArt(SB_ART_PATH, SB_PLACE_INSIDE_ON_TOP, Layer(), &h), SB_OK);
    int16_t kind = 0;
    EXPECT_EQ(art->GetArtType(h, &kind), SB_OK);  // other operations do not count
    EXPECT_EQ(art->NewArt(SB_ART_PATH, SB_PLACE_INSIDE_ON_TOP, Layer(), &h), SB_OK);
    const size_t before = session.Doc().LiveArtCount();
    EXPECT_EQ(art->NewArt(SB_ART_PATH, SB_PLACE_INSIDE_ON_TOP, Layer(), &h), SB_ERR_MEMORY);
    EXPECT_EQ(session.Doc().LiveArtCount(), before);  // a failed call changes nothing
    EXPECT_EQ(art->NewArt(SB_ART_PATH, SB_PLACE_INSIDE_ON_TOP, Layer(), &h), SB_OK);
    EXPECT_EQ(session.Faults().Fired(), (std::vector<std::string>{"SB Art Suite.NewArt"}));

    // Any call in turn, and the acquisition of one suite.
    session.Faults().Clear();
    session.Faults().Arm("*", 2, SB_ERR_CANT);
    EXPECT_EQ(art->GetArtType(h, &kind), SB_OK);
    EXPECT_EQ(path->SetPathSegmentCount(h, 2), SB_ERR_CANT);
    EXPECT_EQ(art->GetArtType(h, &kind), SB_OK);
    session.Faults().Arm("Basic.AcquireSuite:SB Mesh Suite", 1, SB_ERR_NO_SUITE);
    const void* table = nullptr;
    EXPECT_EQ(session.BasicSuite()->AcquireSuite(kSBPathSuite, kSBPathSuiteVersion, &table), SB_OK);
    EXPECT_EQ(session.BasicSuite()->AcquireSuite(kSBMeshSuite, kSBMeshSuiteVersion, &table), SB_ERR_NO_SUITE);
    EXPECT_EQ(session.BasicSuite()->AcquireSuite(kSBMeshSuite, kSBMeshSuiteVersion, &table), SB_OK);
    EXPECT_EQ(session.AcquireCount(kSBMeshSuite), 1);
}

TEST_F(SuiteTest, TraceLogsEverySuiteCallInOrder) {
    SBArtHandle p = NewPath();
    session.SetTracing(true);
    int16_t kind = 0, count = 0;
    art->GetArtType(p, &kind);
    path->GetPathSegmentCount(p, &count);
    art->GetArtType(nullptr, &kind);  // failing calls are traced too
    const void* table = nullptr;
    session.BasicSuite()->AcquireSuite(kSBGroupSuite, kSBGroupSuiteVersion, &table);
    session.SetTracing(false);
    art->GetArtType(p, &kind);
    EXPECT_EQ(session.Trace(),
              (std::vector<std::string>{"SB Art Suite.GetArtType", "SB Path Suite.GetPathSegmentCount",
                                        "SB Art Suite.GetArtType", "Basic.AcquireSuite:SB Group Suite"}));
}

TEST_F(SuiteTest, HandlesOfObjectsThatAreGoneFailAndAreLogged) {
    Document& d = session.Doc();
    d.BeginTransaction();
    SBArtHandle kept = NewPath();
    d.EndTransaction();
    d.BeginTransaction();
    SBArtHandle created = NewPath();
    ASSERT_EQ(art->DisposeArt(kept), SB_OK);
    int16_t kind = 0;
    EXPECT_EQ(art->GetArtType(kept, &kind), SB_ERR_STALE);
    EXPECT_EQ(path->SetPathClosed(kept, 1), SB_ERR_STALE);
    d.RevertTransaction();
    EXPECT_EQ(art->GetArtType(kept, &kind), SB_OK);  // back under its old handle
    EXPECT_EQ(kind, SB_ART_PATH);
    EXPECT_EQ(art->GetArtType(created, &kind), SB_ERR_STALE);  // gone for good
    SBBool valid = 1;
    EXPECT_EQ(art->ValidArt(created, &valid), SB_OK);
    EXPECT_EQ(valid, 0);
    d.EndTransaction();

    // Ids of other kinds are not art, and null is a bad parameter, not a stale handle.
    SBUnicodeStringRef text = Text("x");
    EXPECT_EQ(art->GetArtType(reinterpret_cast<SBArtHandle>(text), &kind), SB_ERR_STALE);
    EXPECT_EQ(unicode->Dispose(reinterpret_cast<SBUnicodeStringRef>(kept)), SB_ERR_STALE);
    EXPECT_EQ(art->GetArtType(nullptr, &kind), SB_ERR_BAD_PARAM);
    EXPECT_EQ(art->GetArtType(kept, nullptr), SB_ERR_BAD_PARAM);
    ASSERT_EQ(unicode->Dispose(text), SB_OK);
    EXPECT_EQ(unicode->Dispose(text), SB_ERR_STALE);

    const auto& log = session.StaleHandleLog();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0], "SB Art Suite.GetArtType: stale " + std::to_string(FromHandle(kept)));
    EXPECT_EQ(log[1], "SB Path Suite.SetPathClosed: stale " + std::to_string(FromHandle(kept)));
    EXPECT_EQ(log[2], "SB Art Suite.GetArtType: stale " + std::to_string(FromHandle(created)));
}

TEST_F(SuiteTest, PathCallsCheckKindsAndRanges) {
    SBArtHandle p = NewPath();
    SBArtHandle g = nullptr;
    ASSERT_EQ(art->NewArt(SB_ART_GROUP, SB_PLACE_INSIDE_ON_TOP, Layer(), &g), SB_OK);
    int16_t count = -1;
    EXPECT_EQ(path->GetPathSegmentCount(g, &count), SB_ERR_BAD_PARAM);
    EXPECT_EQ(path->SetPathSegmentCount(p, -1), SB_ERR_BAD_PARAM);
    ASSERT_EQ(path->SetPathSegmentCount(p, 3), SB_OK);
    SBPathSegment segs[4] = {};
    segs[0].p = {1, 2};
    segs[0].in = {0, 2};
    segs[0].out = {3, 2};
    EXPECT_EQ(path->SetPathSegments(p, 2, 2, segs), SB_ERR_RANGE);
    EXPECT_EQ(path->SetPathSegments(p, 2, 1, nullptr), SB_ERR_BAD_PARAM);
    ASSERT_EQ(path->SetPathSegments(p, 2, 1, segs), SB_OK);
    ASSERT_EQ(path->SetPathSegmentCount(p, 4), SB_OK);  // the new anchor copies the last
    SBPathSegment out[4] = {};
    EXPECT_EQ(path->GetPathSegments(p, 1, 4, out), SB_ERR_RANGE);
    ASSERT_EQ(path->GetPathSegments(p, 0, 4, out), SB_OK);
    EXPECT_EQ(out[3].p.h, 1);
    EXPECT_EQ(out[0].p.h, 0);
    ASSERT_EQ(path->ReversePathSegments(p), SB_OK);
    ASSERT_EQ(path->GetPathSegments(p, 0, 4, out), SB_OK);
    EXPECT_EQ(out[0].p.h, 1);
    EXPECT_EQ(out[0].in.h, 3);  // in and out swap
    EXPECT_EQ(out[0].out.h, 0);
    EXPECT_EQ(out[3].p.h, 0);
}

}  // namespace
}  // namespace scribera
