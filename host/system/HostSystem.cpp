#include "system/HostSystem.h"

#if defined(_WIN32)
#include <windows.h>
#include <shlobj.h>

#include <vector>
#else
#include <dlfcn.h>

#include <filesystem>
#endif

namespace scribera::system {

#if defined(_WIN32)

namespace {

std::wstring Wide(const std::string& text) {
    int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
    return std::wstring(wide.data());
}

std::string Narrow(const wchar_t* text) {
    int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::string();
    std::vector<char> narrow(static_cast<size_t>(length));
    WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    return std::string(narrow.data());
}

}  // namespace

void* OpenLibrary(const std::string& path, std::string* error) {
    std::wstring wide = Wide(path);
    HMODULE library = wide.empty() ? nullptr : LoadLibraryW(wide.c_str());
    if (!library && error) *error = "error " + std::to_string(GetLastError());
    return reinterpret_cast<void*>(library);
}

void* LibrarySymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library) { FreeLibrary(reinterpret_cast<HMODULE>(library)); }

void* ProcessSymbol(const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(nullptr), name));
}

std::string ExecutableFolder() {
    std::vector<wchar_t> buffer(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) return std::string();
    std::wstring path(buffer.data(), length);
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::string() : Narrow(path.substr(0, slash).c_str());
}

std::string SystemProfileFolder() {
    // The folder the plug-in's win32 back end asks for, in the same 8-bit form it gets.
    char buffer[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, CSIDL_PROFILE, nullptr, 0, buffer) != S_OK) return std::string();
    return buffer;
}

#else

void* OpenLibrary(const std::string& path, std::string* error) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library && error) {
        const char* why = dlerror();
        *error = why ? why : "unknown reason";
    }
    return library;
}

void* LibrarySymbol(void* library, const char* name) { return dlsym(library, name); }

void CloseLibrary(void* library) { dlclose(library); }

void* ProcessSymbol(const char* name) { return dlsym(RTLD_DEFAULT, name); }

std::string ExecutableFolder() {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.parent_path().string();
}

std::string SystemProfileFolder() { return std::string(); }

#endif

}  // namespace scribera::system
