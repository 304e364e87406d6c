// The stand-in panel-bridge library. A plug-in loads it by full path from the host's folder; it
// forwards the five bridge calls to the panel service of the host process it was loaded into.
#include <scribera/RelayzenHub.h>

#include "core/panels/PanelService.h"
#include "system/HostSystem.h"

namespace {
constexpr int32_t kNoService = 0x214E5356;  // '!NSV': not loaded into a host with a panel service

const ScriberaPanelServiceTable* Service() {
    static const ScriberaPanelServiceTable* table = [] {
        auto proc =
            reinterpret_cast<ScriberaPanelServiceProc>(scribera::system::ProcessSymbol(SCRIBERA_PANEL_SERVICE_SYMBOL));
        return proc ? proc() : nullptr;
    }();
    return table;
}
}  // namespace

extern "C" {
RELAYZEN_EXPORT int32_t RelayzenLoadExtension(const char* extensionId) {
    auto* s = Service();
    return s ? s->LoadExtension(extensionId) : kNoService;
}
RELAYZEN_EXPORT int32_t RelayzenUnloadExtension(const char* extensionId) {
    auto* s = Service();
    return s ? s->UnloadExtension(extensionId) : kNoService;
}
RELAYZEN_EXPORT int32_t RelayzenAddEventListener(const char* type, RelayzenListener listener, void* context) {
    auto* s = Service();
    return s ? s->AddEventListener(type, listener, context) : kNoService;
}
RELAYZEN_EXPORT int32_t RelayzenRemoveEventListener(const char* type, RelayzenListener listener, void* context) {
    auto* s = Service();
    return s ? s->RemoveEventListener(type, listener, context) : kNoService;
}
RELAYZEN_EXPORT int32_t RelayzenDispatchEvent(const RelayzenEvent* event) {
    auto* s = Service();
    return s ? s->DispatchEvent(event) : kNoService;
}
}
