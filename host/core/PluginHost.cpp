#include "core/PluginHost.h"

#include "core/panels/PanelService.h"
#include "desk/Desk.h"
#include "system/HostSystem.h"

#include <filesystem>
#include <system_error>

namespace scribera {

std::string InstalledHostFolder() {
#ifdef SCRIBERA_INSTALLED_FOLDER
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const fs::path folder = (self.parent_path() / SCRIBERA_INSTALLED_FOLDER).lexically_normal();
    if (fs::is_directory(folder, ec)) return folder.string();
#endif
    return {};
}

std::string DefaultPluginPath(const std::string& built) {
    const std::string folder = InstalledHostFolder();
    if (folder.empty()) return built;
    return (std::filesystem::path(folder) / "plugins" / std::filesystem::path(built).filename()).string();
}

PluginHost::PluginHost(Session& session) : session_(session) {
    self_ = ToHandle<SBPluginRef>(NewId());
    // The desktop lives in a static library; naming it here keeps it in every program that loads
    // plug-ins, where the plug-in looks it up among the process's symbols.
    (void)ScriberaDeskTable();
    (void)ScriberaPanelService();
    PanelService::Instance().Reset();
#ifdef SCRIBERA_BRIDGE_FOLDER
    if (session_.Desktop().hostFolder.empty()) {
        const std::string installed = InstalledHostFolder();
        session_.Desktop().hostFolder = installed.empty() ? SCRIBERA_BRIDGE_FOLDER : installed;
    }
#endif
}

PluginHost::~PluginHost() {
    // The code stays mapped while a plug-in object may still live in the globals slot.
    if (library_ && !globals_) system::CloseLibrary(library_);
}

bool PluginHost::Load(const std::string& path, std::string* error) {
    if (library_) {
        if (error) *error = "a plug-in is already loaded";
        return false;
    }
    std::string why;
    void* library = system::OpenLibrary(path, &why);
    if (!library) {
        if (error) *error = path + ": cannot be loaded (" + why + ")";
        return false;
    }
    void* entry = system::LibrarySymbol(library, "PluginMain");
    if (!entry) {
        system::CloseLibrary(library);
        if (error) *error = path + ": has no PluginMain";
        return false;
    }
    library_ = library;
    main_ = reinterpret_cast<SBPluginMainProc>(entry);
    path_ = path;
    return true;
}

SBErr PluginHost::Send(const char* caller, const char* selector, SBMessageData* message) {
    if (!main_) return SB_ERR_CANT;
    session_.MakeCurrent();
    message->leadingWord = 0;
    message->self = self_;
    message->globals = globals_;
    message->basic = session_.BasicSuite();
    SBErr result = main_(caller, selector, message);
    globals_ = message->globals;
    if (result != SB_OK) session_.Shown().results.push_back({caller, selector, result});
    return result;
}

SBErr PluginHost::InTransaction(const char* caller, const char* selector, SBMessageData* message) {
    Document& doc = session_.Doc();
    if (doc.InTransaction()) return Send(caller, selector, message);
    doc.BeginTransaction();
    SBErr result = Send(caller, selector, message);
    // The document may have been replaced by the message's handler; only close what is open.
    if (session_.Doc().InTransaction()) session_.Doc().EndTransaction();
    DeliverPanelEvents();
    return result;
}

void PluginHost::DeliverPanelEvents() {
    // A panel answers once; a plug-in that reopens panels from their answers still ends.
    constexpr int kMaxEvents = 1000;
    PanelService& panels = PanelService::Instance();
    for (int i = 0; i < kMaxEvents && panels.HasPending(); ++i) {
        session_.MakeCurrent();
        Document& doc = session_.Doc();
        const bool own = !doc.InTransaction();
        if (own) doc.BeginTransaction();
        panels.DeliverNext();
        if (own && session_.Doc().InTransaction()) session_.Doc().EndTransaction();
    }
}

SBErr PluginHost::Startup() {
    SBMessageData message{};
    SBErr result = InTransaction(kSBCallerInterface, kSBSelectorStartup, &message);
    if (result != SB_OK) return result;
    Notify(kSBApplicationStartedNotifier);
    Notify(kSBPanelSetupCompleteNotifier);
    return SB_OK;
}

SBErr PluginHost::Shutdown() {
    if (!globals_) return SB_OK;
    Notify(kSBApplicationShutdownNotifier);
    SBMessageData message{};
    return InTransaction(kSBCallerInterface, kSBSelectorShutdown, &message);
}

SBErr PluginHost::Unload() {
    SBMessageData message{};
    SBErr result = Send(kSBCallerAccess, kSBSelectorUnload, &message);
#ifdef _WIN32
    // On Windows the code really goes, as in the application; the object stays in the globals slot.
    // The Linux host keeps it mapped, so that tests can send an unloaded plug-in messages.
    if (result == SB_OK && library_) {
        system::CloseLibrary(library_);
        library_ = nullptr;
        main_ = nullptr;
    }
#endif
    return result;
}

SBErr PluginHost::Reload() {
#ifdef _WIN32
    if (!library_ && !path_.empty()) {
        std::string error;
        if (!Load(path_, &error)) {
            session_.Shown().results.push_back({kSBCallerAccess, kSBSelectorReload, SB_ERR_CANT});
            return SB_ERR_CANT;
        }
    }
#endif
    SBMessageData message{};
    return Send(kSBCallerAccess, kSBSelectorReload, &message);
}

SBErr PluginHost::Notify(const std::string& type) {
    // The handler may register more notifiers; those hear the next notification.
    std::vector<NotifierRecord> notifiers = session_.Registry().notifiers;
    SBErr first = SB_OK;
    for (const NotifierRecord& n : notifiers) {
        if (n.type != type) continue;
        SBNotifierMessage message{};
        message.notifier = ToHandle<SBNotifierHandle>(n.id);
        message.type = n.type.c_str();
        SBErr result = InTransaction(kSBCallerNotifier, kSBSelectorNotify, &message.d);
        if (first == SB_OK) first = result;
    }
    return first;
}

SBErr PluginHost::Tool(const char* selector, Id tool, SBRealPoint where) {
    SBEventRecord event{};
    event.modifiers = modifiers_;
    event.when = ++ticks_;
    SBToolMessage message{};
    message.tool = ToHandle<SBToolHandle>(tool);
    message.cursor = where;
    message.pressure = 1;
    message.event = &event;
    return InTransaction(kSBCallerTool, selector, &message.d);
}

SBErr PluginHost::SelectTool(Id tool) { return Tool(kSBSelectorSelect, tool, {0, 0}); }
SBErr PluginHost::DeselectTool(Id tool) { return Tool(kSBSelectorDeselect, tool, {0, 0}); }
SBErr PluginHost::EditOptions(Id tool) { return Tool(kSBSelectorEditOptions, tool, {0, 0}); }
SBErr PluginHost::TrackCursor(Id tool, SBRealPoint where) { return Tool(kSBSelectorTrackCursor, tool, where); }

SBErr PluginHost::MouseDown(Id tool, SBRealPoint where) {
    Document& doc = session_.Doc();
    if (!doc.InTransaction()) {
        doc.BeginTransaction();
        dragging_ = true;
    }
    return Tool(kSBSelectorMouseDown, tool, where);
}

SBErr PluginHost::MouseDrag(Id tool, SBRealPoint where) { return Tool(kSBSelectorMouseDrag, tool, where); }

SBErr PluginHost::MouseUp(Id tool, SBRealPoint where) {
    SBErr result = Tool(kSBSelectorMouseUp, tool, where);
    if (dragging_) {
        dragging_ = false;
        if (session_.Doc().InTransaction()) session_.Doc().EndTransaction();
    }
    DeliverPanelEvents();
    return result;
}

SBErr PluginHost::LiveEffectEditParameters(Id effect, Id instance, bool allowPreview) {
    SBLiveEffectMessage message{};
    message.effect = ToHandle<SBLiveEffectHandle>(effect);
    message.context = ToHandle<SBLiveEffectParamContext>(session_.NewLiveEffectContext(effect, instance));
    message.parameters = ToHandle<SBDictionaryRef>(instance);
    message.allowPreview = allowPreview ? 1 : 0;
    SBErr result = InTransaction(kSBCallerLiveEffect, kSBSelectorLiveEffectEditParameters, &message.d);
    session_.Handles().Forget(FromHandle(message.context));
    return result;
}

SBErr PluginHost::LiveEffectGo(Id effect, Id instance, Id art) {
    SBLiveEffectMessage message{};
    message.effect = ToHandle<SBLiveEffectHandle>(effect);
    message.context = ToHandle<SBLiveEffectParamContext>(session_.NewLiveEffectContext(effect, instance));
    message.parameters = ToHandle<SBDictionaryRef>(instance);
    message.art = ToHandle<SBArtHandle>(art);
    SBErr result = InTransaction(kSBCallerLiveEffect, kSBSelectorLiveEffectGo, &message.d);
    session_.Handles().Forget(FromHandle(message.context));
    return result;
}

SBErr PluginHost::DoAction(bool showDialog, SBActionParamValueRef parameters) {
    SBActionMessage message{};
    message.showDialog = showDialog ? 1 : 0;
    message.params = parameters;
    return InTransaction(kSBCallerActionManager, kSBSelectorDoAction, &message.d);
}

SBErr PluginHost::MenuGo(Id menuItem) {
    SBMenuMessage message{};
    message.menuItem = ToHandle<SBMenuItemHandle>(menuItem);
    return InTransaction(kSBCallerMenu, kSBSelectorGo, &message.d);
}

}  // namespace scribera
