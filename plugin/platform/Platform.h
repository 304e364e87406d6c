// The plug-in's only window on the operating system. Two back ends implement it: win32/ (the real
// desktop) and desk/ (the stand-in desktop of the stand-in host).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Virtual-key codes the tools poll.
enum VirtualKey : int32_t {
    kKeyEscape = 0x1B,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKeyC = 0x43,
    kKeyM = 0x4D,
    kKeyP = 0x50,
    kKeyR = 0x52,
    kKeyT = 0x54,
};

// Asynchronous key state: true when the key is down or was pressed since the previous query.
bool AsyncKeyDown(int32_t virtualKey);

// Removes the next pending message of the thread in [first, last]; false when none was left.
bool RemovePendingMessage(uint32_t first, uint32_t last);

void SleepMilliseconds(uint32_t milliseconds);

// Loads a system cursor by id (32515: cross-hair) and shows it; false when it did not load.
bool ShowSystemCursor(int32_t id);

// The current user's profile folder; false when the query failed.
bool ProfileFolder(std::string* path);

// Seconds since the epoch.
int64_t ClockSeconds();

// Whether the path names a file from the root, not from the current folder or a search order.
bool IsAbsolutePath(const std::string& path);

// Dynamic libraries, opened by absolute path only (any other path gives null), their own
// dependencies from their folder and the system's.
using LibraryHandle = void*;
LibraryHandle OpenLibrary(const std::string& path);
void* LibrarySymbol(LibraryHandle library, const char* name);
// False when the library could not be freed.
bool CloseLibrary(LibraryHandle library);

// Whether a file exists at the path.
bool FileExists(const std::string& path);

// The separator between folder and file name in paths the host hands out.
char PathSeparator();

}  // namespace platform
