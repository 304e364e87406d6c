// The stand-in panel service: what sits behind the panel-bridge library. A real service runs HTML
// panels; this one plays scripted panels. A panel that opens reports "com.norvane.event.DialogReady",
// records the payload its plug-in sends in reply, then sends the scripted answer (parameters or
// cancel). Each panel opened is logged in the current session's `panels`. Events are queued and delivered by the host
// after the message that opened the panel has returned, one at a time, as a real panel service would.
#pragma once

#include <scribera/RelayzenHub.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace scribera {

struct PanelRecord;

// How the next panel that opens answers.
struct PanelScript {
    enum class Kind { Params, Cancel, None };
    Kind kind = Kind::None;
    std::string text;  // the parameters payload for Params
};

class PanelService {
public:
    static constexpr const char* kReadyEvent = "com.norvane.event.DialogReady";

    static PanelService& Instance();

    // The bridge library's five functions land here.
    int32_t LoadExtension(const char* extensionId);
    int32_t UnloadExtension(const char* extensionId);
    int32_t AddListener(const char* type, RelayzenListener listener, void* context);
    int32_t RemoveListener(const char* type, RelayzenListener listener, void* context);
    int32_t Dispatch(const RelayzenEvent* event);

    void QueueScript(const PanelScript& script) { scripts_.push_back(script); }
    // A panel shown to a person answers: the event waits for DeliverNext like any other.
    void QueueAnswer(const std::string& extensionId, const std::string& type, const std::string& data) {
        pending_.push_back({type, extensionId, data});
    }
    // Delivers the next pending event to its listeners; false when none is pending.
    bool DeliverNext();
    bool HasPending() const { return !pending_.empty(); }

    // The panels opened in the current session, oldest first (the session's `panels`).
    std::vector<PanelRecord> Opened() const;
    size_t ListenerCount() const { return listeners_.size(); }
    // Forgets listeners, scripts and pending events (a new session).
    void Reset();

    // The event types a panel of this extension sends: "com.zarvo.Rose" answers with
    // "com.norvane.event.RoseToolParams" and "com.norvane.event.RoseToolCancel".
    static std::string ParamsEventFor(const std::string& extensionId);
    static std::string CancelEventFor(const std::string& extensionId);

private:
    struct Listener {
        std::string type;
        RelayzenListener listener;
        void* context;
    };
    struct PendingEvent {
        std::string type;
        std::string extension;
        std::string data;
    };
    std::vector<Listener> listeners_;
    std::deque<PanelScript> scripts_;
    std::deque<PendingEvent> pending_;
    // The panel waiting for its plug-in's reply to the ready event (its entry in the session's
    // panel log), and what it then answers.
    std::string openExtension_;
    int openIndex_ = -1;
    PanelScript openScript_;
};

}  // namespace scribera

// The table the bridge library finds in the host process.
extern "C" {
typedef struct ScriberaPanelServiceTable {
    int32_t version;
    RelayzenLoadExtensionProc LoadExtension;
    RelayzenUnloadExtensionProc UnloadExtension;
    RelayzenAddEventListenerProc AddEventListener;
    RelayzenRemoveEventListenerProc RemoveEventListener;
    RelayzenDispatchEventProc DispatchEvent;
} ScriberaPanelServiceTable;

#define SCRIBERA_PANEL_SERVICE_SYMBOL "ScriberaPanelService"
typedef const ScriberaPanelServiceTable* (*ScriberaPanelServiceProc)(void);
const ScriberaPanelServiceTable* ScriberaPanelService(void);
}
