// The plug-in object the host's messages are turned into calls on. Plugin answers every caller and
// selector pair with a virtual operation; ZarvoPlugin overrides the ones Zarvo handles.
#pragma once

#include <scribera/SBMessages.h>
#include <scribera/SBTypes.h>

#include <cstdint>

class SuiteSet;

class Plugin {
public:
    explicit Plugin(SBPluginRef plugin);

    // ---- The dispatch table. The order of these declarations is the order of the table.
    virtual ~Plugin();
    // Shows a failure to the user, unless it is silent or the same code was shown moments ago.
    virtual void ReportFailure(SBErr code, const char* caller, const char* selector, void* message);
    // A counted lock on the plug-in's code. Always 0.
    virtual SBErr KeepLoaded(bool keep);
    virtual SBErr OnStartup(SBMessageData* message);
    virtual SBErr OnApplicationStarted();
    virtual SBErr OnShutdown(SBMessageData* message);
    virtual SBErr OnUnload(SBMessageData* message);
    virtual SBErr OnReload(SBMessageData* message);
    virtual SBErr PropertiesAcquire(void* message);
    virtual SBErr PropertiesRelease(void* message);
    // Copies at most `length` characters of the name; see Plugin.cpp for the terminator.
    virtual int32_t GetName(char* buffer, int32_t length) const;
    virtual bool CanPurgeCaches();
    virtual SBErr HandleMessage(const char* caller, const char* selector, void* message);
    virtual SBErr SetCurrentPlugin(Plugin* plugin);
    virtual SBErr AfterStartup();
    virtual SBErr AfterSuitesAcquired();
    virtual SBErr BeforeUnload();
    virtual void AcquireOptionalSuites();
    virtual SBErr OnNotify(SBNotifierMessage* message);
    virtual SBErr OnDoAction(SBActionMessage* message);
    virtual SBErr MenuGo(SBMenuMessage* message);
    virtual SBErr MenuUpdate(SBMenuMessage* message);
    virtual SBErr FilterGetParameters(void* message);
    virtual SBErr FilterGo(void* message);
    virtual SBErr PluginGroupNotifyEdits(void* message);
    virtual SBErr PluginGroupUpdate(void* message);
    virtual SBErr FileFormatGetParameters(void* message);
    virtual SBErr FileFormatGo(void* message);
    virtual SBErr FileFormatCheck(void* message);
    virtual SBErr FileFormatUpdate(void* message);
    virtual SBErr FileFormatDoAction(void* message);
    virtual SBErr ToolEditOptions(SBToolMessage* message);
    virtual SBErr ToolTrackCursor(SBToolMessage* message);
    virtual SBErr ToolMouseDown(SBToolMessage* message);
    virtual SBErr ToolMouseDrag(SBToolMessage* message);
    virtual SBErr ToolMouseUp(SBToolMessage* message);
    virtual SBErr ToolSelect(SBToolMessage* message);
    virtual SBErr ToolDeselect(SBToolMessage* message);
    virtual SBErr ToolReselect(SBToolMessage* message);
    virtual SBErr ToolDecreaseDiameter(SBToolMessage* message);
    virtual SBErr ToolIncreaseDiameter(SBToolMessage* message);
    virtual SBErr LiveEffectEditParameters(SBLiveEffectMessage* message);
    virtual SBErr LiveEffectGo(SBLiveEffectMessage* message);
    virtual SBErr LiveEffectInterpolate(SBLiveEffectMessage* message);
    virtual SBErr LiveEffectInputType(SBLiveEffectMessage* message);
    virtual SBErr LiveEffectConvertColorSpace(SBLiveEffectMessage* message);
    virtual SBErr LiveEffectScaleParameters(SBLiveEffectMessage* message);
    virtual SBErr LiveEffectAdjustColors(SBLiveEffectMessage* message);
    virtual SBErr LiveEffectHandleMerge(SBLiveEffectMessage* message);
    virtual SBErr TimerGo(void* message);
    virtual SBErr ClipboardGo(void* message);
    virtual SBErr ClipboardCanCopy(void* message);
    virtual SBErr ClipboardClone(void* message);
    virtual SBErr ClipboardDispose(void* message);
    virtual SBErr WriteWorkspace(void* message);
    virtual SBErr RestoreWorkspace(void* message);
    virtual SBErr DefaultWorkspace(void* message);
    // ---- End of the dispatch table.

    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    SBPluginRef PluginRef() const { return pluginRef_; }
    const char* Name() const { return name_; }
    bool HasSuites() const { return suites_ != nullptr; }
    // A reload could not acquire the suites (and no later attempt could either).
    bool ReloadFailed() const { return reloadFailed_; }
    // After a failed reload, acquires the suites again; 0 when they are held, or when the code is
    // simply unloaded (nothing may run then).
    SBErr RecoverSuites();
    int32_t LockCount() const { return lockCount_; }
    SBErr LastReportedCode() const { return lastReportedCode_; }
    int64_t LastReportTime() const { return lastReportTime_; }

    // Without a plug-in object: shows a failure the host will otherwise not explain.
    static void ShowDefaultFailure(SBPluginRef plugin, SBErr code);

protected:
    static constexpr int kNameLength = 256;

    // Used only when the code is reloaded: touches no field.
    struct ReloadTag {};
    explicit Plugin(ReloadTag);

    void SetName(const char* name);
    // Gives up every lock still held on the code: at shut-down, or when start-up fails.
    void ReleaseLocks();

private:
    SBErr NotifierMessage(const char* selector, SBNotifierMessage* message);
    // The first failing release, or 0.
    SBErr DestroySuites();
    SBErr CreateSuites();

    SBPluginRef pluginRef_;
    char name_[kNameLength];
    SuiteSet* suites_;
    int32_t lockCount_;
    SBAccessRef access_;
    SBErr lastReportedCode_;
    int32_t repeatInterval_;
    int32_t suppressRepeats_;
    int64_t lastReportTime_;
    bool reloadFailed_;
};
