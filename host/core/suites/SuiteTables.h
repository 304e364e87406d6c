// The tables of every suite, one function per suite (defined beside its operations).
#pragma once

namespace scribera::suites {

// A suite's table of functions and its operations' names in the same order, comma-separated.
struct SuiteTable {
    const void* functions;
    const char* operations;
};

SuiteTable AccessTable();
SuiteTable PluginsTable();
SuiteTable NotifierTable();
SuiteTable ContextTable();
SuiteTable UserTable();
SuiteTable FilePathTable();
SuiteTable FoldersTable();
SuiteTable FilterTable();
SuiteTable BlocksTable();
SuiteTable ArtTable();
SuiteTable ArtStyleTable();
SuiteTable BlendStyleTable();
SuiteTable BlockTable();
SuiteTable CustomColorTable();
SuiteTable DictionaryTable();
SuiteTable PathTable();
SuiteTable PathStyleTable();
SuiteTable RealMathTable();
SuiteTable RandomTable();
SuiteTable DocumentTable();
SuiteTable DocumentViewTable();
SuiteTable GroupTable();
SuiteTable GradientTable();
SuiteTable UndoTable();
SuiteTable ToolTable();
SuiteTable LiveEffectTable();
SuiteTable MatchingArtTable();
SuiteTable ActionManagerTable();
SuiteTable MenuTable();
SuiteTable MeshTable();
SuiteTable MeshSegmentTable();
SuiteTable MeshVertexTable();
SuiteTable UnicodeStringTable();
SuiteTable MdMemoryTable();
SuiteTable StringFormatUtilsTable();
SuiteTable RuntimeTable();
}  // namespace scribera::suites
