// The Windows back end: the desktop calls of the real host's platform.
#include "platform/Platform.h"
#include "platform/win32/Win32Keyboard.h"

#include <windows.h>
#include <shlobj.h>

#include <cctype>
#include <ctime>
#include <vector>

namespace platform {

namespace win32 {

namespace {
int16_t AsyncKeyState(int32_t virtualKey) { return GetAsyncKeyState(virtualKey); }

int32_t RemoveMessage(uint32_t first, uint32_t last) {
    MSG message;
    return PeekMessageA(&message, nullptr, first, last, PM_REMOVE) != 0 ? 1 : 0;
}
}  // namespace

const KeyboardCalls& SystemKeyboard() {
    static const KeyboardCalls calls{AsyncKeyState, RemoveMessage};
    return calls;
}

}  // namespace win32

void SleepMilliseconds(uint32_t milliseconds) { Sleep(milliseconds); }

bool ShowSystemCursor(int32_t id) {
    HCURSOR cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
    if (!cursor) return false;
    SetCursor(cursor);
    return true;
}

bool ProfileFolder(std::string* path) {
    if (!path) return false;
    char buffer[MAX_PATH] = {};
    // 40: the user's profile folder.
    if (SHGetFolderPathA(nullptr, 40, nullptr, 0, buffer) != S_OK) return false;
    *path = buffer;
    return !path->empty();
}

int64_t ClockSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

bool IsAbsolutePath(const std::string& path) {
    auto separator = [](char c) { return c == '\\' || c == '/'; };
    // A drive and its root ("C:\...") or a network share ("\\server\share\..."); "C:name" and
    // "\name" depend on the current drive and folder.
    if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' && separator(path[2]))
        return true;
    return path.size() >= 3 && separator(path[0]) && separator(path[1]) && !separator(path[2]);
}

LibraryHandle OpenLibrary(const std::string& path) {
    if (!IsAbsolutePath(path)) return nullptr;
    // Host paths are 8-bit text in the system code page.
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0) return nullptr;
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length) <= 0) return nullptr;
    // Its dependencies from its own folder and the system's, never from the search order.
    return reinterpret_cast<LibraryHandle>(
        LoadLibraryExW(wide.data(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32));
}

void* LibrarySymbol(LibraryHandle library, const char* name) {
    if (!library || !name) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(library), name));
}

bool CloseLibrary(LibraryHandle library) {
    if (!library) return false;
    return FreeLibrary(reinterpret_cast<HMODULE>(library)) != 0;
}

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

char PathSeparator() { return '\\'; }

}  // namespace platform
