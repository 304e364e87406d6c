#include "panels/RelayzenBinding.h"

#include <string>

#include "frame/sb/Folders.h"
#include "platform/Platform.h"

namespace {
constexpr int32_t kBridgeFolder = 0;

template <class Proc>
bool Find(void* library, const char* name, Proc* proc) {
    *proc = reinterpret_cast<Proc>(platform::LibrarySymbol(library, name));
    return *proc != nullptr;
}
}  // namespace

RelayzenBinding::~RelayzenBinding() { Release(); }

int32_t RelayzenBinding::Bind() {
    std::string path;
    try {
        path = sb::FindFolder(kBridgeFolder);
    } catch (...) {
        return kCant;
    }
    // An empty or relative folder would load the library from the search order or the current
    // folder: whatever library of that name lies there.
    if (!platform::IsAbsolutePath(path)) return kCant;
    if (path.back() != platform::PathSeparator()) path += platform::PathSeparator();
    path += RELAYZEN_LIBRARY_NAME;
    if (!platform::FileExists(path)) return kCant;

    library_ = platform::OpenLibrary(path);
    if (!library_) return kCant;

    // The ones found before a missing one stay usable.
    if (!Find(library_, "RelayzenLoadExtension", &load_)) return kCant;
    if (!Find(library_, "RelayzenUnloadExtension", &unload_)) return kCant;
    if (!Find(library_, "RelayzenAddEventListener", &addListener_)) return kCant;
    if (!Find(library_, "RelayzenRemoveEventListener", &removeListener_)) return kCant;
    if (!Find(library_, "RelayzenDispatchEvent", &dispatch_)) return kCant;
    return 0;
}

int32_t RelayzenBinding::Release() {
    if (!library_) return 0;
    const bool freed = platform::CloseLibrary(library_);
    library_ = nullptr;
    load_ = nullptr;
    unload_ = nullptr;
    addListener_ = nullptr;
    removeListener_ = nullptr;
    dispatch_ = nullptr;
    return freed ? 0 : kCant;
}

int32_t RelayzenBinding::LoadExtension(const char* extensionId) const { return load_ ? load_(extensionId) : 0; }

int32_t RelayzenBinding::UnloadExtension(const char* extensionId) const { return unload_ ? unload_(extensionId) : 0; }

int32_t RelayzenBinding::AddEventListener(const char* type, RelayzenListener listener, void* context) const {
    return addListener_ ? addListener_(type, listener, context) : 1;
}

int32_t RelayzenBinding::RemoveEventListener(const char* type, RelayzenListener listener, void* context) const {
    return removeListener_ ? removeListener_(type, listener, context) : 1;
}

int32_t RelayzenBinding::DispatchEvent(const RelayzenEvent* event) const { return dispatch_ ? dispatch_(event) : 1; }
