#include "frame/Plugin.h"

#include "frame/ResultCodes.h"
#include "frame/SuiteSet.h"
#include "frame/Suites.h"
#include "frame/sb/Context.h"
#include "frame/sb/Host.h"
#include "frame/sb/Registry.h"
#include "geometry/Errors.h"
#include "platform/Platform.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {

bool Is(const char* text, const char* expected) { return std::strcmp(text, expected) == 0; }

}  // namespace

Plugin::Plugin(SBPluginRef plugin)
    : pluginRef_(plugin),
      name_{},
      suites_(nullptr),
      lockCount_(0),
      access_(nullptr),
      lastReportedCode_(0),
      repeatInterval_(5),
      suppressRepeats_(1),
      lastReportTime_(0),
      reloadFailed_(false) {
    SetName("Plugin");
}

// Only the dispatch table is established; every field keeps what it held before the unload.
Plugin::Plugin(ReloadTag) {}

Plugin::~Plugin() { DestroySuites(); }

void Plugin::SetName(const char* name) {
    std::strncpy(name_, name ? name : "", kNameLength - 1);
    name_[kNameLength - 1] = '\0';
}

SBErr Plugin::DestroySuites() {
    const SBErr code = suites_ ? suites_->ReleaseAll() : 0;
    delete suites_;
    suites_ = nullptr;
    return code;
}

SBErr Plugin::CreateSuites() {
    suites_ = new (std::nothrow) SuiteSet();
    SBErr result = suites_ ? suites_->Result() : kOutOfMemory;
    // Destroying the set must release whatever it got before a failure.
    SuiteSet::SetSharedCount(1);
    if (result != 0) DestroySuites();
    return result;
}

void Plugin::ReportFailure(SBErr code, const char*, const char*, void*) {
    if (IsSilentCode(code)) return;
    int64_t now = platform::ClockSeconds();
    if (code == lastReportedCode_ && suppressRepeats_ && now < lastReportTime_ + repeatInterval_) return;
    lastReportedCode_ = code;
    lastReportTime_ = now;
    ShowDefaultFailure(pluginRef_, code);
}

void Plugin::ShowDefaultFailure(SBPluginRef, SBErr code) {
    if (IsSilentCode(code)) return;
    const SBUserSuite* user = sUser;
    bool acquiredHere = false;
    if (!user && sBasic && sBasic->AcquireSuite) {
        const void* suite = nullptr;
        if (sBasic->AcquireSuite(kSBUserSuite, kSBUserSuiteVersion, &suite) == 0 && suite) {
            user = static_cast<const SBUserSuite*>(suite);
            acquiredHere = true;
        }
    }
    // No code has a message text of its own, so there is nothing to show.
    (void)user;
    if (acquiredHere && sBasic->ReleaseSuite) sBasic->ReleaseSuite(kSBUserSuite, kSBUserSuiteVersion);
}

SBErr Plugin::KeepLoaded(bool keep) {
    if (keep) {
        if (++lockCount_ == 1) {
            try {
                access_ = sb::AcquirePluginAccess(pluginRef_);
            } catch (const HostError&) {
                access_ = nullptr;  // the lock is advisory; the count still records the request
            }
        }
    } else {
        if (lockCount_ <= 0) {
            lockCount_ = 0;
            return 0;
        }
        if (--lockCount_ == 0) {
            if (access_) {
                try {
                    sb::ReleasePluginAccess(access_);
                } catch (const HostError&) {
                }
            }
            access_ = nullptr;
        }
    }
    return 0;
}

void Plugin::ReleaseLocks() {
    if (lockCount_ <= 0) return;
    lockCount_ = 1;
    KeepLoaded(false);
}

SBErr Plugin::OnStartup(SBMessageData*) {
    SBErr result = SetCurrentPlugin(this);
    if (result == 0) result = CreateSuites();
    if (result == 0) {
        try {
            sb::SetPluginName(pluginRef_, name_);
        } catch (const HostError& e) {
            result = e.Code();
        }
    }
    if (result == 0) {
        char notifierName[kNameLength + 32];
        std::snprintf(notifierName, sizeof notifierName, "%s App Started Notifier", name_);
        try {
            sb::AddNotifier(pluginRef_, notifierName, kSBApplicationStartedNotifier);
        } catch (const HostError& e) {
            result = e.Code();
        }
    }
    if (result == 0) result = AfterStartup();
    if (result == 0) {
        AfterSuitesAcquired();
        result = KeepLoaded(true);
    }
    return result;
}

SBErr Plugin::OnApplicationStarted() { return 0; }

SBErr Plugin::OnShutdown(SBMessageData*) {
    // Whatever asked for the code to stay, nothing of it runs any more.
    ReleaseLocks();
    const SBErr result = DestroySuites();
    SetCurrentPlugin(nullptr);
    return result;
}

SBErr Plugin::OnUnload(SBMessageData*) {
    BeforeUnload();
    SetCurrentPlugin(nullptr);
    return DestroySuites();
}

SBErr Plugin::RecoverSuites() {
    if (suites_ || !reloadFailed_) return 0;
    return OnReload(nullptr);
}

SBErr Plugin::OnReload(SBMessageData*) {
    SBErr result = SetCurrentPlugin(this);
    if (result != 0) return result;
    if (!suites_) {
        suites_ = new (std::nothrow) SuiteSet();
        result = suites_ ? suites_->Result() : kOutOfMemory;
    }
    SuiteSet::SetSharedCount(1);
    reloadFailed_ = result != 0;
    if (result != 0) {
        DestroySuites();
        return result;
    }
    AfterSuitesAcquired();
    return 0;
}

SBErr Plugin::PropertiesAcquire(void*) { return kNotHandled; }
SBErr Plugin::PropertiesRelease(void*) { return kNotHandled; }

int32_t Plugin::GetName(char* buffer, int32_t length) const {
    if (!buffer || length < 0) return 0;
    int32_t nameLength = static_cast<int32_t>(std::strlen(name_));
    if (nameLength > length) {
        std::memcpy(buffer, name_, static_cast<size_t>(length));
        buffer[length] = '\0';
        return length;
    }
    std::memcpy(buffer, name_, static_cast<size_t>(nameLength) + 1);
    return nameLength;
}

bool Plugin::CanPurgeCaches() { return false; }

SBErr Plugin::NotifierMessage(const char* selector, SBNotifierMessage* message) {
    sb::AppContext context(message->d.self);
    SBErr result = kNotHandled;
    if (message->type && Is(message->type, kSBApplicationStartedNotifier)) result = OnApplicationStarted();
    if ((result == 0 || result == kNotHandled) && Is(selector, kSBSelectorNotify)) result = OnNotify(message);
    return result;
}

SBErr Plugin::HandleMessage(const char* caller, const char* selector, void* message) {
    AcquireOptionalSuites();
    auto* data = static_cast<SBMessageData*>(message);
    auto* tool = static_cast<SBToolMessage*>(message);
    auto* effect = static_cast<SBLiveEffectMessage*>(message);
    auto* menu = static_cast<SBMenuMessage*>(message);

    if (Is(caller, kSBCallerAccess)) {
        if (Is(selector, kSBSelectorUnload)) return OnUnload(data);
        if (Is(selector, kSBSelectorReload)) return OnReload(data);
    } else if (Is(caller, kSBCallerInterface)) {
        if (Is(selector, kSBSelectorAbout)) return 0;
        if (Is(selector, kSBSelectorStartup)) return 0;
    } else if (Is(caller, kSBCallerCache)) {
        if (Is(selector, kSBSelectorPurge)) return CanPurgeCaches() ? kCachesFlushed : 0;
    } else if (Is(caller, kSBCallerProperties)) {
        if (Is(selector, "Acquire")) return PropertiesAcquire(message);
        if (Is(selector, "Release")) return PropertiesRelease(message);
    } else if (Is(caller, kSBCallerNotifier)) {
        return NotifierMessage(selector, static_cast<SBNotifierMessage*>(message));
    } else if (Is(caller, kSBCallerActionManager)) {
        if (Is(selector, kSBSelectorDoAction)) return OnDoAction(static_cast<SBActionMessage*>(message));
    } else if (Is(caller, kSBCallerMenu)) {
        if (Is(selector, kSBSelectorGo)) return MenuGo(menu);
        if (Is(selector, kSBSelectorUpdate)) return MenuUpdate(menu);
    } else if (Is(caller, kSBCallerFilter)) {
        if (Is(selector, "SB Get Parameters")) return FilterGetParameters(message);
        if (Is(selector, kSBSelectorGo)) return FilterGo(message);
    } else if (Is(caller, kSBCallerPluginGroup)) {
        if (Is(selector, "SB Notify Edits")) return PluginGroupNotifyEdits(message);
        if (Is(selector, kSBSelectorUpdate)) return PluginGroupUpdate(message);
    } else if (Is(caller, kSBCallerFileFormat)) {
        if (Is(selector, "SB Get Parameters")) return FileFormatGetParameters(message);
        if (Is(selector, kSBSelectorGo)) return FileFormatGo(message);
        if (Is(selector, "SB Check")) return FileFormatCheck(message);
        if (Is(selector, "SB Update SB140")) return FileFormatUpdate(message);
        if (Is(selector, kSBSelectorDoAction)) return FileFormatDoAction(message);
    } else if (Is(caller, kSBCallerTool)) {
        if (Is(selector, kSBSelectorEditOptions)) return ToolEditOptions(tool);
        if (Is(selector, kSBSelectorTrackCursor)) return ToolTrackCursor(tool);
        if (Is(selector, kSBSelectorMouseDown)) return ToolMouseDown(tool);
        if (Is(selector, kSBSelectorMouseDrag)) return ToolMouseDrag(tool);
        if (Is(selector, kSBSelectorMouseUp)) return ToolMouseUp(tool);
        if (Is(selector, kSBSelectorSelect)) return ToolSelect(tool);
        if (Is(selector, kSBSelectorDeselect)) return ToolDeselect(tool);
        if (Is(selector, kSBSelectorReselect)) return ToolReselect(tool);
        if (Is(selector, "SB Decrease Diameter")) return ToolDecreaseDiameter(tool);
        if (Is(selector, "SB Increase Diameter")) return ToolIncreaseDiameter(tool);
    } else if (Is(caller, kSBCallerLiveEffect)) {
        if (Is(selector, kSBSelectorLiveEffectEditParameters)) return LiveEffectEditParameters(effect);
        if (Is(selector, kSBSelectorLiveEffectGo)) return LiveEffectGo(effect);
        if (Is(selector, "SB Live Effect Interpolate Parameters")) return LiveEffectInterpolate(effect);
        if (Is(selector, "SB Live Effect Input Type")) return LiveEffectInputType(effect);
        if (Is(selector, "SB Live Effect Convert Color Space")) return LiveEffectConvertColorSpace(effect);
        if (Is(selector, "SB Live Effect Scale Parameters")) return LiveEffectScaleParameters(effect);
        if (Is(selector, "SB Live Effect Adjust Colors")) return LiveEffectAdjustColors(effect);
        if (Is(selector, "SB Live Effect Handle Merge")) return LiveEffectHandleMerge(effect);
    } else if (Is(caller, kSBCallerTimer)) {
        if (Is(selector, kSBSelectorGo)) return TimerGo(message);
    } else if (Is(caller, kSBCallerClipboard)) {
        if (Is(selector, kSBSelectorGo)) return ClipboardGo(message);
        if (Is(selector, "SB Can Copy")) return ClipboardCanCopy(message);
        if (Is(selector, "SB Clone")) return ClipboardClone(message);
        if (Is(selector, "SB Dispose")) return ClipboardDispose(message);
    } else if (Is(caller, kSBCallerWorkspace)) {
        if (Is(selector, "Write Workspace")) return WriteWorkspace(message);
        if (Is(selector, "Restore Workspace")) return RestoreWorkspace(message);
        if (Is(selector, "Default Workspace")) return DefaultWorkspace(message);
    }
    return kNotHandled;
}

SBErr Plugin::SetCurrentPlugin(Plugin*) { return 0; }
SBErr Plugin::AfterStartup() { return 0; }
SBErr Plugin::AfterSuitesAcquired() { return 0; }
SBErr Plugin::BeforeUnload() { return 0; }

void Plugin::AcquireOptionalSuites() {
    if (suites_) suites_->AcquireOptional();
}

SBErr Plugin::OnNotify(SBNotifierMessage*) { return 0; }
SBErr Plugin::OnDoAction(SBActionMessage*) { return 0; }
SBErr Plugin::MenuGo(SBMenuMessage*) { return kNotHandled; }
SBErr Plugin::MenuUpdate(SBMenuMessage*) { return kNotHandled; }
SBErr Plugin::FilterGetParameters(void*) { return kNotHandled; }
SBErr Plugin::FilterGo(void*) { return kNotHandled; }
SBErr Plugin::PluginGroupNotifyEdits(void*) { return kNotHandled; }
SBErr Plugin::PluginGroupUpdate(void*) { return kNotHandled; }
SBErr Plugin::FileFormatGetParameters(void*) { return kNotHandled; }
SBErr Plugin::FileFormatGo(void*) { return kNotHandled; }
SBErr Plugin::FileFormatCheck(void*) { return kNotHandled; }
SBErr Plugin::FileFormatUpdate(void*) { return kNotHandled; }
SBErr Plugin::FileFormatDoAction(void*) { return kNotHandled; }
SBErr Plugin::ToolEditOptions(SBToolMessage*) { return kNotHandled; }
SBErr Plugin::ToolTrackCursor(SBToolMessage*) { return kNotHandled; }
SBErr Plugin::ToolMouseDown(SBToolMessage*) { return kNotHandled; }
SBErr Plugin::ToolMouseDrag(SBToolMessage*) { return kNotHandled; }
SBErr Plugin::ToolMouseUp(SBToolMessage*) { return kNotHandled; }
SBErr Plugin::ToolSelect(SBToolMessage*) { return kNotHandled; }
SBErr Plugin::ToolDeselect(SBToolMessage*) { return kNotHandled; }
SBErr Plugin::ToolReselect(SBToolMessage*) { return 0; }
SBErr Plugin::ToolDecreaseDiameter(SBToolMessage*) { return 0; }
SBErr Plugin::ToolIncreaseDiameter(SBToolMessage*) { return 0; }
SBErr Plugin::LiveEffectEditParameters(SBLiveEffectMessage*) { return kNotHandled; }
SBErr Plugin::LiveEffectGo(SBLiveEffectMessage*) { return kNotHandled; }
SBErr Plugin::LiveEffectInterpolate(SBLiveEffectMessage*) { return kNotHandled; }
SBErr Plugin::LiveEffectInputType(SBLiveEffectMessage*) { return kNotHandled; }
SBErr Plugin::LiveEffectConvertColorSpace(SBLiveEffectMessage*) { return kNotHandled; }
SBErr Plugin::LiveEffectScaleParameters(SBLiveEffectMessage*) { return kNotHandled; }
SBErr Plugin::LiveEffectAdjustColors(SBLiveEffectMessage*) { return kNotHandled; }
SBErr Plugin::LiveEffectHandleMerge(SBLiveEffectMessage*) { return kNotHandled; }
SBErr Plugin::TimerGo(void*) { return kNotHandled; }
SBErr Plugin::ClipboardGo(void*) { return kNotHandled; }
SBErr Plugin::ClipboardCanCopy(void*) { return kNotHandled; }
SBErr Plugin::ClipboardClone(void*) { return kNotHandled; }
SBErr Plugin::ClipboardDispose(void*) { return kNotHandled; }
SBErr Plugin::WriteWorkspace(void*) { return kNotHandled; }
SBErr Plugin::RestoreWorkspace(void*) { return kNotHandled; }
SBErr Plugin::DefaultWorkspace(void*) { return kNotHandled; }
