#include "core/panels/PanelService.h"

#include "core/Session.h"
#include "system/HostSystem.h"

#include <algorithm>

namespace scribera {

namespace {
constexpr int32_t kBridgeFailed = 1;
const std::string kExtensionPrefix = "com.zarvo.";
const std::string kEventPrefix = "com.norvane.event.";

std::string PanelName(const std::string& extensionId) {
    if (extensionId.compare(0, kExtensionPrefix.size(), kExtensionPrefix) == 0)
        return extensionId.substr(kExtensionPrefix.size());
    return extensionId;
}
}  // namespace

PanelService& PanelService::Instance() {
    static PanelService service;
    return service;
}

std::vector<PanelRecord> PanelService::Opened() const {
    return Session::HasCurrent() ? Session::Current().Shown().panels : std::vector<PanelRecord>{};
}

std::string PanelService::ParamsEventFor(const std::string& extensionId) {
    return kEventPrefix + PanelName(extensionId) + "ToolParams";
}

std::string PanelService::CancelEventFor(const std::string& extensionId) {
    return kEventPrefix + PanelName(extensionId) + "ToolCancel";
}

int32_t PanelService::LoadExtension(const char* extensionId) {
    if (!extensionId || !*extensionId) return kBridgeFailed;
    PanelScript script;
    if (!scripts_.empty()) {
        script = scripts_.front();
        scripts_.pop_front();
    }
    openExtension_ = extensionId;
    openIndex_ = -1;
    if (Session::HasCurrent()) {
        std::vector<PanelRecord>& log = Session::Current().Shown().panels;
        log.push_back({extensionId, ""});
        openIndex_ = static_cast<int>(log.size()) - 1;
    }
    openScript_ = script;
    pending_.push_back({kReadyEvent, extensionId, ""});
    return 0;
}

int32_t PanelService::UnloadExtension(const char* extensionId) {
    if (!extensionId) return kBridgeFailed;
    if (openExtension_ == extensionId) openExtension_.clear();
    return 0;
}

int32_t PanelService::AddListener(const char* type, RelayzenListener listener, void* context) {
    if (!type || !listener) return kBridgeFailed;
    listeners_.push_back({type, listener, context});
    return 0;
}

int32_t PanelService::RemoveListener(const char* type, RelayzenListener listener, void* context) {
    if (!type || !listener) return kBridgeFailed;
    auto found = std::find_if(listeners_.begin(), listeners_.end(), [&](const Listener& l) {
        return l.type == type && l.listener == listener && l.context == context;
    });
    if (found == listeners_.end()) return kBridgeFailed;
    listeners_.erase(found);
    return 0;
}

int32_t PanelService::Dispatch(const RelayzenEvent* event) {
    if (!event || !event->type) return kBridgeFailed;
    // Only the panel that is open and waiting hears its plug-in.
    if (openExtension_.empty()) return kBridgeFailed;
    if (openIndex_ >= 0 && Session::HasCurrent()) {
        std::vector<PanelRecord>& log = Session::Current().Shown().panels;
        if (static_cast<size_t>(openIndex_) < log.size()) log[openIndex_].sent = event->data ? event->data : "";
    }
    return 0;
}

bool PanelService::DeliverNext() {
    if (pending_.empty()) return false;
    PendingEvent event = pending_.front();
    pending_.pop_front();

    // A ready panel answers once its plug-in has had the chance to fill it.
    const bool ready = event.type == kReadyEvent;

    RelayzenEvent record{event.type.c_str(), 1, "", event.extension.c_str(), event.data.c_str()};
    // Listeners may add or remove listeners while they run: call a snapshot.
    std::vector<Listener> snapshot = listeners_;
    for (const Listener& l : snapshot) {
        if (l.type == event.type) l.listener(&record, l.context);
    }

    if (ready && openExtension_ == event.extension) {
        switch (openScript_.kind) {
            case PanelScript::Kind::Params:
                pending_.push_back({ParamsEventFor(event.extension), event.extension, openScript_.text});
                break;
            case PanelScript::Kind::Cancel:
                pending_.push_back({CancelEventFor(event.extension), event.extension, ""});
                break;
            case PanelScript::Kind::None:
                break;
        }
        openExtension_.clear();
        openIndex_ = -1;
    }
    return true;
}

void PanelService::Reset() {
    listeners_.clear();
    scripts_.clear();
    pending_.clear();
    openExtension_.clear();
    openIndex_ = -1;
    openScript_ = PanelScript{};
}

}  // namespace scribera

namespace {
int32_t ServiceLoad(const char* id) { return scribera::PanelService::Instance().LoadExtension(id); }
int32_t ServiceUnload(const char* id) { return scribera::PanelService::Instance().UnloadExtension(id); }
int32_t ServiceAdd(const char* type, RelayzenListener listener, void* context) {
    return scribera::PanelService::Instance().AddListener(type, listener, context);
}
int32_t ServiceRemove(const char* type, RelayzenListener listener, void* context) {
    return scribera::PanelService::Instance().RemoveListener(type, listener, context);
}
int32_t ServiceDispatch(const RelayzenEvent* event) { return scribera::PanelService::Instance().Dispatch(event); }

const ScriberaPanelServiceTable kServiceTable = {1,          ServiceLoad,   ServiceUnload,
                                                 ServiceAdd, ServiceRemove, ServiceDispatch};
}  // namespace

extern "C" SCRIBERA_EXPORT const ScriberaPanelServiceTable* ScriberaPanelService(void) { return &kServiceTable; }
