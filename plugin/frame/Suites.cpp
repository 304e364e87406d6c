#include "frame/Suites.h"

extern "C" {
const SBBasicSuite* sBasic = nullptr;

const SBAccessSuite* sAccess = nullptr;
const SBPluginsSuite* sPlugins = nullptr;
const SBNotifierSuite* sNotifier = nullptr;
const SBContextSuite* sContext = nullptr;
const SBUserSuite* sUser = nullptr;
const SBFilePathSuite* sFilePath = nullptr;
const SBFoldersSuite* sFolders = nullptr;

const SBFilterSuite* sFilter = nullptr;
const SBBlocksSuite* sBlocks = nullptr;
const SBArtSuite* sArt = nullptr;
const SBArtStyleSuite* sArtStyle = nullptr;
const SBBlendStyleSuite* sBlendStyle = nullptr;
const SBBlockSuite* sBlock = nullptr;
const SBCustomColorSuite* sCustomColor = nullptr;
const SBDictionarySuite* sDictionary = nullptr;
const SBPathSuite* sPath = nullptr;
const SBPathStyleSuite* sPathStyle = nullptr;
const SBRealMathSuite* sRealMath = nullptr;
const SBRandomSuite* sRandom = nullptr;
const SBDocumentSuite* sDocument = nullptr;
const SBDocumentViewSuite* sDocumentView = nullptr;
const SBGroupSuite* sGroup = nullptr;
const SBGradientSuite* sGradient = nullptr;
const SBUndoSuite* sUndo = nullptr;
const SBToolSuite* sTool = nullptr;
const SBLiveEffectSuite* sLiveEffect = nullptr;
const SBMatchingArtSuite* sMatchingArt = nullptr;
const SBActionManagerSuite* sActionManager = nullptr;
const SBMenuSuite* sMenu = nullptr;
const SBMeshSuite* sMesh = nullptr;
const SBMeshSegmentSuite* sMeshSegment = nullptr;
const SBMeshVertexSuite* sMeshVertex = nullptr;
const SBUnicodeStringSuite* sUnicodeString = nullptr;
const SBMdMemorySuite* sMdMemory = nullptr;
const SBStringFormatUtilsSuite* sStringFormatUtils = nullptr;
const SBRuntimeSuite* sRuntime = nullptr;
}

#define IMPORT(name, version, pointer) \
    { name, version, reinterpret_cast<const void**>(&pointer) }

SuiteImport gBasicSuites[7] = {
    IMPORT(kSBAccessSuite, kSBAccessSuiteVersion, sAccess),
    IMPORT(kSBPluginsSuite, kSBPluginsSuiteVersion, sPlugins),
    IMPORT(kSBNotifierSuite, kSBNotifierSuiteVersion, sNotifier),
    IMPORT(kSBContextSuite, kSBContextSuiteVersion, sContext),
    IMPORT(kSBUserSuite, kSBUserSuiteVersion, sUser),
    IMPORT(kSBFilePathSuite, kSBFilePathSuiteVersion, sFilePath),
    IMPORT(kSBFoldersSuite, kSBFoldersSuiteVersion, sFolders),
};

SuiteImport gImportSuites[kImportSuiteCount + 1] = {
    IMPORT(kSBFilterSuite, kSBFilterSuiteVersion, sFilter),
    IMPORT(kSBBlocksSuite, kSBBlocksSuiteVersion, sBlocks),
    IMPORT(kSBArtSuite, kSBArtSuiteVersion, sArt),
    IMPORT(kSBArtStyleSuite, kSBArtStyleSuiteVersion, sArtStyle),
    IMPORT(kSBBlendStyleSuite, kSBBlendStyleSuiteVersion, sBlendStyle),
    IMPORT(kSBBlockSuite, kSBBlockSuiteVersion, sBlock),
    IMPORT(kSBCustomColorSuite, kSBCustomColorSuiteVersion, sCustomColor),
    IMPORT(kSBDictionarySuite, kSBDictionarySuiteVersion, sDictionary),
    IMPORT(kSBPathSuite, kSBPathSuiteVersion, sPath),
    IMPORT(kSBPathStyleSuite, kSBPathStyleSuiteVersion, sPathStyle),
    IMPORT(kSBRealMathSuite, kSBRealMathSuiteVersion, sRealMath),
    IMPORT(kSBRandomSuite, kSBRandomSuiteVersion, sRandom),
    IMPORT(kSBDocumentSuite, kSBDocumentSuiteVersion, sDocument),
    IMPORT(kSBDocumentViewSuite, kSBDocumentViewSuiteVersion, sDocumentView),
    IMPORT(kSBGroupSuite, kSBGroupSuiteVersion, sGroup),
    IMPORT(kSBGradientSuite, kSBGradientSuiteVersion, sGradient),
    IMPORT(kSBUndoSuite, kSBUndoSuiteVersion, sUndo),
    IMPORT(kSBToolSuite, kSBToolSuiteVersion, sTool),
    IMPORT(kSBLiveEffectSuite, kSBLiveEffectSuiteVersion, sLiveEffect),
    IMPORT(kSBMatchingArtSuite, kSBMatchingArtSuiteVersion, sMatchingArt),
    IMPORT(kSBActionManagerSuite, kSBActionManagerSuiteVersion, sActionManager),
    IMPORT(kSBMenuSuite, kSBMenuSuiteVersion, sMenu),
    IMPORT(kSBMeshSuite, kSBMeshSuiteVersion, sMesh),
    IMPORT(kSBUserSuite, kSBUserSuiteVersion, sUser),
    IMPORT(kSBMeshSegmentSuite, kSBMeshSegmentSuiteVersion, sMeshSegment),
    IMPORT(kSBMeshVertexSuite, kSBMeshVertexSuiteVersion, sMeshVertex),
    IMPORT(kSBUnicodeStringSuite, kSBUnicodeStringSuiteVersion, sUnicodeString),
    IMPORT(kSBMdMemorySuite, kSBMdMemorySuiteVersion, sMdMemory),
    IMPORT(kSBStringFormatUtilsSuite, kSBStringFormatUtilsSuiteVersion, sStringFormatUtils),
    IMPORT(kSBRuntimeSuite, kSBRuntimeSuiteVersion, sRuntime),
    {nullptr, 0, nullptr},
};
