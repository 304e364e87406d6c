// The process-wide suite pointers the plug-in acquires at start-up, and the two import tables.
// Only frame/ reads these directly; everything else goes through the sb:: wrappers.
#pragma once

#include <scribera/SBMessages.h>
#include <scribera/SBSuites.h>

extern "C" {
extern const SBBasicSuite* sBasic;

// Basic table.
extern const SBAccessSuite* sAccess;
extern const SBPluginsSuite* sPlugins;
extern const SBNotifierSuite* sNotifier;
extern const SBContextSuite* sContext;
extern const SBUserSuite* sUser;
extern const SBFilePathSuite* sFilePath;
extern const SBFoldersSuite* sFolders;

// Import table.
extern const SBFilterSuite* sFilter;
extern const SBBlocksSuite* sBlocks;
extern const SBArtSuite* sArt;
extern const SBArtStyleSuite* sArtStyle;
extern const SBBlendStyleSuite* sBlendStyle;
extern const SBBlockSuite* sBlock;
extern const SBCustomColorSuite* sCustomColor;
extern const SBDictionarySuite* sDictionary;
extern const SBPathSuite* sPath;
extern const SBPathStyleSuite* sPathStyle;
extern const SBRealMathSuite* sRealMath;
extern const SBRandomSuite* sRandom;
extern const SBDocumentSuite* sDocument;
extern const SBDocumentViewSuite* sDocumentView;
extern const SBGroupSuite* sGroup;
extern const SBGradientSuite* sGradient;
extern const SBUndoSuite* sUndo;
extern const SBToolSuite* sTool;
extern const SBLiveEffectSuite* sLiveEffect;
extern const SBMatchingArtSuite* sMatchingArt;
extern const SBActionManagerSuite* sActionManager;
extern const SBMenuSuite* sMenu;
extern const SBMeshSuite* sMesh;
extern const SBMeshSegmentSuite* sMeshSegment;
extern const SBMeshVertexSuite* sMeshVertex;
extern const SBUnicodeStringSuite* sUnicodeString;
extern const SBMdMemorySuite* sMdMemory;
extern const SBStringFormatUtilsSuite* sStringFormatUtils;
extern const SBRuntimeSuite* sRuntime;
}

// One entry of a suite import table. A null name ends the required entries; a terminator whose
// version is 'OPTS' is followed by optional entries.
struct SuiteImport {
    const char* name;
    int32_t version;
    const void** destination;
};

constexpr int32_t kOptionalSuitesMarker = 0x4F505453;  // 'OPTS'

extern SuiteImport gBasicSuites[7];
extern SuiteImport gImportSuites[];  // 30 entries and the terminator
constexpr int kImportSuiteCount = 30;
