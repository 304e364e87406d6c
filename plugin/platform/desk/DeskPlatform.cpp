// The stand-in desktop back end. The stand-in host exports a table of desktop calls; without it
// (a test that runs the plug-in's code without a host) every call answers a safe default.
#include "platform/Platform.h"

#include <scribera/SBDesk.h>

#include <dlfcn.h>
#include <sys/stat.h>

#include <chrono>
#include <vector>

namespace platform {
namespace {

const SBDeskTable* Desk() {
    // Looked up on every call: the host may come and go between tests in one process.
    void* symbol = dlsym(RTLD_DEFAULT, SB_DESK_TABLE_SYMBOL);
    if (!symbol) return nullptr;
    auto proc = reinterpret_cast<SBDeskTableProc>(symbol);
    const SBDeskTable* table = proc();
    if (!table || table->version < SB_DESK_TABLE_VERSION) return nullptr;
    return table;
}

}  // namespace

bool AsyncKeyDown(int32_t virtualKey) {
    const SBDeskTable* desk = Desk();
    if (!desk || !desk->GetAsyncKeyState) return false;
    return desk->GetAsyncKeyState(virtualKey) != 0;
}

bool RemovePendingMessage(uint32_t first, uint32_t last) {
    const SBDeskTable* desk = Desk();
    if (!desk || !desk->RemoveQueuedMessage) return false;
    return desk->RemoveQueuedMessage(first, last) != 0;
}

void SleepMilliseconds(uint32_t milliseconds) {
    const SBDeskTable* desk = Desk();
    if (desk && desk->Sleep) desk->Sleep(milliseconds);
}

bool ShowSystemCursor(int32_t id) {
    const SBDeskTable* desk = Desk();
    if (!desk || !desk->LoadSystemCursor || !desk->SetCursor) return false;
    void* cursor = desk->LoadSystemCursor(id);
    if (!cursor) return false;
    desk->SetCursor(cursor);
    return true;
}

bool ProfileFolder(std::string* path) {
    const SBDeskTable* desk = Desk();
    if (!path || !desk || !desk->GetProfileFolder) return false;
    std::vector<char> buffer(4096, '\0');
    if (desk->GetProfileFolder(buffer.data(), static_cast<int32_t>(buffer.size())) != 0) return false;
    buffer.back() = '\0';  // a host that filled the buffer to the end still yields a string
    *path = buffer.data();
    return !path->empty();
}

int64_t ClockSeconds() {
    const SBDeskTable* desk = Desk();
    if (desk && desk->ClockSeconds) return desk->ClockSeconds();
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

bool IsAbsolutePath(const std::string& path) { return !path.empty() && path.front() == '/'; }

LibraryHandle OpenLibrary(const std::string& path) {
    if (!IsAbsolutePath(path)) return nullptr;
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* LibrarySymbol(LibraryHandle library, const char* name) {
    if (!library || !name) return nullptr;
    return dlsym(library, name);
}

bool CloseLibrary(LibraryHandle library) {
    if (!library) return false;
    return dlclose(library) == 0;
}

bool FileExists(const std::string& path) {
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

char PathSeparator() { return '/'; }

}  // namespace platform
