#include "core/suites/Suites.h"
#include "core/suites/SuiteTables.h"

#include <scribera/SBSuites.h>

#include <cstring>

namespace scribera {

namespace {
struct SuiteEntry {
    const char* name;
    int32_t version;
    const void* (*table)();
};

const SuiteEntry kSuites[] = {
    {kSBAccessSuite, kSBAccessSuiteVersion, suites::AccessTable},
    {kSBPluginsSuite, kSBPluginsSuiteVersion, suites::PluginsTable},
    {kSBNotifierSuite, kSBNotifierSuiteVersion, suites::NotifierTable},
    {kSBContextSuite, kSBContextSuiteVersion, suites::ContextTable},
    {kSBUserSuite, kSBUserSuiteVersion, suites::UserTable},
    {kSBFilePathSuite, kSBFilePathSuiteVersion, suites::FilePathTable},
    {kSBFoldersSuite, kSBFoldersSuiteVersion, suites::FoldersTable},
    {kSBFilterSuite, kSBFilterSuiteVersion, suites::FilterTable},
    {kSBBlocksSuite, kSBBlocksSuiteVersion, suites::BlocksTable},
    {kSBArtSuite, kSBArtSuiteVersion, suites::ArtTable},
    {kSBArtStyleSuite, kSBArtStyleSuiteVersion, suites::ArtStyleTable},
    {kSBBlendStyleSuite, kSBBlendStyleSuiteVersion, suites::BlendStyleTable},
    {kSBBlockSuite, kSBBlockSuiteVersion, suites::BlockTable},
    {kSBCustomColorSuite, kSBCustomColorSuiteVersion, suites::CustomColorTable},
    {kSBDictionarySuite, kSBDictionarySuiteVersion, suites::DictionaryTable},
    {kSBPathSuite, kSBPathSuiteVersion, suites::PathTable},
    {kSBPathStyleSuite, kSBPathStyleSuiteVersion, suites::PathStyleTable},
    {kSBRealMathSuite, kSBRealMathSuiteVersion, suites::RealMathTable},
    {kSBRandomSuite, kSBRandomSuiteVersion, suites::RandomTable},
    {kSBDocumentSuite, kSBDocumentSuiteVersion, suites::DocumentTable},
    {kSBDocumentViewSuite, kSBDocumentViewSuiteVersion, suites::DocumentViewTable},
    {kSBGroupSuite, kSBGroupSuiteVersion, suites::GroupTable},
    {kSBGradientSuite, kSBGradientSuiteVersion, suites::GradientTable},
    {kSBUndoSuite, kSBUndoSuiteVersion, suites::UndoTable},
    {kSBToolSuite, kSBToolSuiteVersion, suites::ToolTable},
    {kSBLiveEffectSuite, kSBLiveEffectSuiteVersion, suites::LiveEffectTable},
    {kSBMatchingArtSuite, kSBMatchingArtSuiteVersion, suites::MatchingArtTable},
    {kSBActionManagerSuite, kSBActionManagerSuiteVersion, suites::ActionManagerTable},
    {kSBMenuSuite, kSBMenuSuiteVersion, suites::MenuTable},
    {kSBMeshSuite, kSBMeshSuiteVersion, suites::MeshTable},
    {kSBMeshSegmentSuite, kSBMeshSegmentSuiteVersion, suites::MeshSegmentTable},
    {kSBMeshVertexSuite, kSBMeshVertexSuiteVersion, suites::MeshVertexTable},
    {kSBUnicodeStringSuite, kSBUnicodeStringSuiteVersion, suites::UnicodeStringTable},
    {kSBMdMemorySuite, kSBMdMemorySuiteVersion, suites::MdMemoryTable},
    {kSBStringFormatUtilsSuite, kSBStringFormatUtilsSuiteVersion, suites::StringFormatUtilsTable},
    {kSBRuntimeSuite, kSBRuntimeSuiteVersion, suites::RuntimeTable},
};
}  // namespace

const void* FindSuite(const char* name, int32_t version) {
    if (!name) return nullptr;
    for (const SuiteEntry& s : kSuites)
        if (std::strcmp(s.name, name) == 0 && s.version == version) return s.table();
    return nullptr;
}

}  // namespace scribera
