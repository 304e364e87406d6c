#include "core/suites/Suites.h"
#include "core/suites/SuiteTables.h"

#include <scribera/SBSuites.h>

#include <cstring>
#include <string>
#include <vector>

namespace scribera {

namespace {
struct SuiteEntry {
    const char* name;
    int32_t version;
    suites::SuiteTable (*table)();
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
        if (std::strcmp(s.name, name) == 0 && s.version == version) return s.table().functions;
    return nullptr;
}

std::vector<std::string> SuiteOperationNames() {
    std::vector<std::string> names;
    for (const SuiteEntry& s : kSuites) {
        const std::string suite = s.name;
        std::string list = s.table().operations;
        for (size_t start = 0; start < list.size();) {
            size_t end = list.find(',', start);
            if (end == std::string::npos) end = list.size();
            size_t from = list.find_first_not_of(" \n", start), to = list.find_last_not_of(" \n", end - 1);
            if (from != std::string::npos && from < end && to >= from)
                names.push_back(suite + "." + list.substr(from, to - from + 1));
            start = end + 1;
        }
        // Acquiring and releasing go through the basic suite, named after the suite.
        names.push_back("Basic.AcquireSuite:" + suite);
        names.push_back("Basic.ReleaseSuite:" + suite);
    }
    return names;
}

}  // namespace scribera
