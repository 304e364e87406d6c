// The binding of the panel-bridge library: the library handle and its five functions. A binding
// that could not find the library, or some of its functions, answers each call with a default so
// that a missing bridge only leaves the panels closed.
#pragma once

#include <scribera/RelayzenHub.h>

#include <cstdint>

class RelayzenBinding {
public:
    static constexpr int32_t kCant = 0x43414E54;  // 'CANT'

    RelayzenBinding() = default;
    ~RelayzenBinding();
    RelayzenBinding(const RelayzenBinding&) = delete;
    RelayzenBinding& operator=(const RelayzenBinding&) = delete;

    // Finds the library in the host's folder of type 0 and looks up its functions: 0 or 'CANT'.
    int32_t Bind();
    // Frees the library: 0, or 'CANT' when it could not be freed.
    int32_t Release();

    int32_t LoadExtension(const char* extensionId) const;
    int32_t UnloadExtension(const char* extensionId) const;
    int32_t AddEventListener(const char* type, RelayzenListener listener, void* context) const;
    int32_t RemoveEventListener(const char* type, RelayzenListener listener, void* context) const;
    int32_t DispatchEvent(const RelayzenEvent* event) const;

    bool IsBound() const { return library_ != nullptr; }

private:
    void* library_ = nullptr;
    RelayzenLoadExtensionProc load_ = nullptr;
    RelayzenUnloadExtensionProc unload_ = nullptr;
    RelayzenAddEventListenerProc addListener_ = nullptr;
    RelayzenRemoveEventListenerProc removeListener_ = nullptr;
    RelayzenDispatchEventProc dispatch_ = nullptr;
};
