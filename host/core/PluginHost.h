// Loads a plug-in library and talks to it as the application does: message records through its
// one entry point, the globals slot kept between calls, start-up and shut-down sequences, one
// transaction per top-level message (a tool drag is one from mouse down to mouse up), and every
// non-zero result logged in the session.
#pragma once

#include "core/Session.h"

#include <scribera/SBMessages.h>

#include <cstdint>
#include <string>

namespace scribera {

// An installed host finds its plug-in and the bridge library in the folder beside its executable
// that the build names (SCRIBERA_INSTALLED_FOLDER, relative to the executable's folder); a host
// run from the build tree finds no such folder and keeps the build's own paths.
// The installed folder, empty when the executable is not installed.
std::string InstalledHostFolder();
// The plug-in an installed host loads by default, otherwise `built`.
std::string DefaultPluginPath(const std::string& built);

class PluginHost {
public:
    explicit PluginHost(Session& session);
    ~PluginHost();
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    // Opens the library by path and finds PluginMain; false with the reason otherwise.
    bool Load(const std::string& path, std::string* error);
    bool IsLoaded() const { return main_ != nullptr; }
    // Whether the plug-in holds an object in its globals slot (started and not shut down).
    bool IsRunning() const { return globals_ != nullptr; }
    SBPluginRef Reference() const { return self_; }
    void* Globals() const { return globals_; }

    // "Startup", then the application-started and panel-setup-complete notifications. Returns the
    // start-up result; the notifications' results are logged.
    SBErr Startup();
    // The application-shutdown notification, then "Shutdown".
    SBErr Shutdown();
    SBErr Unload();
    SBErr Reload();

    // "SB Notifier" / "SB Notify" to every notifier registered for `type`, in registration order.
    // Returns the first non-zero result.
    SBErr Notify(const std::string& type);

    // Tool messages, with the modifier word set by SetModifiers.
    void SetModifiers(uint16_t modifiers) { modifiers_ = modifiers; }
    uint16_t Modifiers() const { return modifiers_; }
    SBErr SelectTool(Id tool);
    SBErr DeselectTool(Id tool);
    SBErr EditOptions(Id tool);
    SBErr TrackCursor(Id tool, SBRealPoint where);
    SBErr MouseDown(Id tool, SBRealPoint where);
    SBErr MouseDrag(Id tool, SBRealPoint where);
    SBErr MouseUp(Id tool, SBRealPoint where);
    bool Dragging() const { return dragging_; }

    // Live effects and actions.
    SBErr LiveEffectEditParameters(Id effect, Id instance, bool allowPreview);
    SBErr LiveEffectGo(Id effect, Id instance, Id art);
    SBErr DoAction(bool showDialog, SBActionParamValueRef parameters);
    SBErr MenuGo(Id menuItem);

    // Delivers the panel events that are waiting (a panel reporting ready, then its answer), each
    // in its own transaction, as the application does once a message has returned.
    void DeliverPanelEvents();

    // Any message: fills the common header, keeps the globals slot, logs a non-zero result. The
    // record must begin with SBMessageData.
    SBErr Send(const char* caller, const char* selector, SBMessageData* message);

private:
    SBErr Tool(const char* selector, Id tool, SBRealPoint where);
    SBErr InTransaction(const char* caller, const char* selector, SBMessageData* message);

    Session& session_;
    void* library_ = nullptr;
    std::string path_;
    SBPluginMainProc main_ = nullptr;
    SBPluginRef self_ = nullptr;
    void* globals_ = nullptr;
    uint16_t modifiers_ = 0;
    bool dragging_ = false;
    int32_t ticks_ = 0;
};

}  // namespace scribera
