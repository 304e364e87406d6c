// Zarvo's plug-in object: start-up registration, the application-started and shut-down steps,
// and the hooks later work fills (tool routing, live effects, action playback).
#pragma once

#include "frame/Plugin.h"

#include <cstdint>

struct ZGlobals;

class ZarvoPlugin : public Plugin {
public:
    static constexpr int kFirstGroupCount = 7;   // rose, wave, rhombus, spiral, golden rectangle, grid, polar mesh
    static constexpr int kSecondGroupCount = 6;  // mirror, cut, rectangle cut, tile, rosette, spike

    explicit ZarvoPlugin(SBPluginRef plugin);
    ~ZarvoPlugin() override;

    // A new object, or null when there is no memory for it.
    static ZarvoPlugin* Create(SBPluginRef plugin);
    // Re-establishes the class of an object that survived an unload of the code; every field but
    // the interaction mode text keeps its value.
    static ZarvoPlugin* Reestablish(Plugin* survivor);

    SBErr OnStartup(SBMessageData* message) override;
    SBErr OnApplicationStarted() override;
    SBErr OnShutdown(SBMessageData* message) override;
    SBErr SetCurrentPlugin(Plugin* plugin) override;
    SBErr AfterSuitesAcquired() override;
    SBErr OnNotify(SBNotifierMessage* message) override;
    SBErr MenuGo(SBMenuMessage* message) override;

    // How the current options panel was opened: "Action", "EditTool", "MouseUp" or empty.
    const char* InteractionMode() const { return mode_; }
    void SetInteractionMode(const char* mode);

    SBToolHandle FirstGroupTool(int index) const;
    SBToolHandle SecondGroupTool(int index) const;
    SBNotifierHandle SetupCompleteNotifier() const { return setupCompleteNotifier_; }
    SBNotifierHandle ShutdownNotifier() const { return shutdownNotifier_; }
    SBCursorResource CursorResource() const { return cursorResource_; }

private:
    static constexpr int kModeLength = 16;

    explicit ZarvoPlugin(ReloadTag);

    SBErr AllocateGlobals(SBPluginRef plugin);
    SBErr RegisterTools();
    SBErr RegisterNotifiers();
    SBErr RegisterLiveEffects();
    SBErr RegisterActions();
    void ReleaseCursorResource();

    SBToolHandle firstGroup_[kFirstGroupCount];
    SBToolHandle secondGroup_[kSecondGroupCount];
    char mode_[kModeLength];
    SBNotifierHandle setupCompleteNotifier_;
    SBCursorResource cursorResource_;
    SBNotifierHandle shutdownNotifier_;
    // The shared block again, so that a reload of the code (which resets the process-wide pointer)
    // finds it.
    ZGlobals* globals_;
};
