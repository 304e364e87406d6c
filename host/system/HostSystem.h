// The few operating-system calls of the stand-in host that differ between its Linux and Windows
// builds: loading a plug-in library, the symbols the host process offers its libraries, the folder
// of the running program and the folder where the plug-in keeps its preferences.
#pragma once

#include <string>

#if defined(_WIN32)
#define SCRIBERA_EXPORT __declspec(dllexport)
#else
#define SCRIBERA_EXPORT __attribute__((visibility("default")))
#endif

namespace scribera::system {

// Opens a library by path (UTF-8); null with the reason in `error` otherwise.
void* OpenLibrary(const std::string& path, std::string* error);
void* LibrarySymbol(void* library, const char* name);
void CloseLibrary(void* library);

// A symbol exported by the host program itself; null when it has none by that name.
void* ProcessSymbol(const char* name);

// The folder holding the running program; empty when it cannot be told.
std::string ExecutableFolder();

// Where the plug-in's own platform layer puts its preferences when that is not the stand-in
// desktop's folder (the Windows user profile); empty where the desktop's folder is used.
std::string SystemProfileFolder();

}  // namespace scribera::system
