// The tables of every suite, one function per suite (defined beside its operations).
#pragma once

namespace scribera::suites {
const void* AccessTable();
const void* PluginsTable();
const void* NotifierTable();
const void* ContextTable();
const void* UserTable();
const void* FilePathTable();
const void* FoldersTable();
const void* FilterTable();
const void* BlocksTable();
const void* ArtTable();
const void* ArtStyleTable();
const void* BlendStyleTable();
const void* BlockTable();
const void* CustomColorTable();
const void* DictionaryTable();
const void* PathTable();
const void* PathStyleTable();
const void* RealMathTable();
const void* RandomTable();
const void* DocumentTable();
const void* DocumentViewTable();
const void* GroupTable();
const void* GradientTable();
const void* UndoTable();
const void* ToolTable();
const void* LiveEffectTable();
const void* MatchingArtTable();
const void* ActionManagerTable();
const void* MenuTable();
const void* MeshTable();
const void* MeshSegmentTable();
const void* MeshVertexTable();
const void* UnicodeStringTable();
const void* MdMemoryTable();
const void* StringFormatUtilsTable();
const void* RuntimeTable();
}  // namespace scribera::suites
