#include "frame/ZarvoPlugin.h"

#include "frame/Globals.h"
#include "frame/ResultCodes.h"
#include "frame/ToolCatalogue.h"
#include "frame/sb/Blocks.h"
#include "frame/sb/Host.h"
#include "frame/sb/User.h"
#include "geometry/Errors.h"

#include <cstring>
#include <new>

ZarvoPlugin::ZarvoPlugin(SBPluginRef plugin) : ZarvoPlugin(plugin, BuiltInToolCatalogue()) {}

ZarvoPlugin::ZarvoPlugin(SBPluginRef plugin, const ToolCatalogue& tools)
    : Plugin(plugin),
      firstGroup_{},
      secondGroup_{},
      mode_{},
      setupCompleteNotifier_(nullptr),
      cursorResource_(nullptr),
      shutdownNotifier_(nullptr),
      globals_(nullptr),
      mirrorMode_(0),
      tools_(&tools),
      dragFailed_(false) {
    SetName("Zarvo");
}

// Only the class identity, the mode text and the catalogue, which lived in the old code; the rest
// of the object is as the unload left it.
ZarvoPlugin::ZarvoPlugin(ReloadTag tag) : Plugin(tag) {
    mode_[0] = '\0';
    tools_ = &BuiltInToolCatalogue();
}

ZarvoPlugin::~ZarvoPlugin() {
    mode_[0] = '\0';
    if (gCurrentPlugin == this) gCurrentPlugin = nullptr;
}

ZarvoPlugin* ZarvoPlugin::Create(SBPluginRef plugin) { return new (std::nothrow) ZarvoPlugin(plugin); }

ZarvoPlugin* ZarvoPlugin::Create(SBPluginRef plugin, const ToolCatalogue& tools) {
    return new (std::nothrow) ZarvoPlugin(plugin, tools);
}

ZarvoPlugin* ZarvoPlugin::Reestablish(Plugin* survivor) { return new (survivor) ZarvoPlugin(ReloadTag{}); }

void ZarvoPlugin::SetInteractionMode(const char* mode) {
    std::strncpy(mode_, mode ? mode : "", kModeLength - 1);
    mode_[kModeLength - 1] = '\0';
}

SBToolHandle ZarvoPlugin::FirstGroupTool(int index) const {
    return index >= 0 && index < kFirstGroupCount ? firstGroup_[index] : nullptr;
}

SBToolHandle ZarvoPlugin::SecondGroupTool(int index) const {
    return index >= 0 && index < kSecondGroupCount ? secondGroup_[index] : nullptr;
}

SBToolHandle ZarvoPlugin::RegisteredTool(int index) const {
    return index < kFirstGroupCount ? FirstGroupTool(index) : SecondGroupTool(index - kFirstGroupCount);
}

SBErr ZarvoPlugin::SetCurrentPlugin(Plugin* plugin) {
    gCurrentPlugin = static_cast<ZarvoPlugin*>(plugin);
    return 0;
}

SBErr ZarvoPlugin::AfterSuitesAcquired() {
    if (!gZGlobals && globals_) gZGlobals = globals_;
    return 0;
}

SBErr ZarvoPlugin::AllocateGlobals(SBPluginRef plugin) {
    try {
        auto* globals = static_cast<ZGlobals*>(sb::AllocateBlock(sizeof(ZGlobals)));
        globals->plugin = plugin;
        gZGlobals = globals;
        globals_ = globals;
        return 0;
    } catch (const HostError& e) {
        return e.Code();
    }
}

SBErr ZarvoPlugin::OnStartup(SBMessageData* message) {
    SBErr result = Plugin::OnStartup(message);
    if (result == 0) result = AllocateGlobals(message->self);
    if (result == 0) result = RegisterTools();
    if (result == 0) result = RegisterNotifiers();
    if (result == 0) result = RegisterLiveEffects();
    if (result == 0) sb::ShowStartupProgress("Initialising Zarvo");
    if (result == 0) result = RegisterActions();
    // A start-up that fails is never shut down: what it took goes back now.
    if (result != 0) {
        DisposeGlobals();
        ReleaseLocks();
    }
    return result;
}

SBErr ZarvoPlugin::DisposeGlobals() {
    if (!globals_) return 0;
    void* block = globals_;
    if (gZGlobals == globals_) gZGlobals = nullptr;
    globals_ = nullptr;
    try {
        sb::DisposeBlock(block);
    } catch (const HostError& e) {
        return e.Code();
    }
    return 0;
}

SBErr ZarvoPlugin::OnApplicationStarted() {
    SBErr result = CreatePanelControllers();
    if (result != 0) return result;
    // The notification arrives twice; a second resource would never be released.
    if (!cursorResource_) cursorResource_ = sb::CreateCursorResource(PluginRef());
    return 0;
}

void ZarvoPlugin::ReleaseCursorResource() {
    if (!cursorResource_) return;
    SBCursorResource resource = cursorResource_;
    cursorResource_ = nullptr;
    sb::DisposeCursorResource(resource);
}

SBErr ZarvoPlugin::OnNotify(SBNotifierMessage* message) {
    if (!message->notifier) return 0;
    if (message->notifier == setupCompleteNotifier_) AddPanelListeners();
    if (message->notifier == shutdownNotifier_) ReleaseCursorResource();
    return 0;
}

SBErr ZarvoPlugin::OnShutdown(SBMessageData* message) {
    // What start-up took goes back whatever happened since, a reload that lost the suites included.
    RecoverSuites();
    // A host that quits without the shut-down notification still gets its cursor resource back.
    try {
        ReleaseCursorResource();
    } catch (const HostError&) {
    }
    DestroyPanelControllers();
    const SBErr disposed = DisposeGlobals();
    message->globals = nullptr;
    const SBErr released = Plugin::OnShutdown(message);
    return disposed != 0 ? disposed : released;
}

SBErr ZarvoPlugin::MenuGo(SBMenuMessage*) { return 0; }
