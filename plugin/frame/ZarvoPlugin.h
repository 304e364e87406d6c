// Zarvo's plug-in object: start-up registration, the application-started and shut-down steps,
// tool and live-effect routing and action playback, all by the rows of its tool catalogue.
#pragma once

#include "frame/Plugin.h"

#include <cstdint>

struct ToolCatalogue;
struct ToolRow;
struct ZGlobals;

class ZarvoPlugin : public Plugin {
public:
    static constexpr int kFirstGroupCount = 7;   // rose, wave, rhombus, spiral, golden rectangle, grid, polar mesh
    static constexpr int kSecondGroupCount = 6;  // mirror, cut, rectangle cut, tile, rosette, spike

    // Serves the built-in tool catalogue, or `tools` (which must outlive the object).
    explicit ZarvoPlugin(SBPluginRef plugin);
    ZarvoPlugin(SBPluginRef plugin, const ToolCatalogue& tools);
    ~ZarvoPlugin() override;

    // A new object, or null when there is no memory for it.
    static ZarvoPlugin* Create(SBPluginRef plugin);
    static ZarvoPlugin* Create(SBPluginRef plugin, const ToolCatalogue& tools);
    // Re-establishes the class of an object that survived an unload of the code; every field but
    // the interaction mode text keeps its value, and it serves the built-in catalogue of the new code.
    static ZarvoPlugin* Reestablish(Plugin* survivor);

    SBErr OnStartup(SBMessageData* message) override;
    SBErr OnApplicationStarted() override;
    SBErr OnShutdown(SBMessageData* message) override;
    SBErr SetCurrentPlugin(Plugin* plugin) override;
    SBErr AfterSuitesAcquired() override;
    SBErr OnNotify(SBNotifierMessage* message) override;
    SBErr MenuGo(SBMenuMessage* message) override;

    // Tool and live-effect routing (ToolRouting.cpp) and action playback (ActionPlayback.cpp).
    SBErr ToolEditOptions(SBToolMessage* message) override;
    SBErr ToolTrackCursor(SBToolMessage* message) override;
    SBErr ToolMouseDown(SBToolMessage* message) override;
    SBErr ToolMouseDrag(SBToolMessage* message) override;
    SBErr ToolMouseUp(SBToolMessage* message) override;
    SBErr ToolSelect(SBToolMessage* message) override;
    SBErr ToolDeselect(SBToolMessage* message) override;
    SBErr LiveEffectEditParameters(SBLiveEffectMessage* message) override;
    SBErr LiveEffectGo(SBLiveEffectMessage* message) override;
    SBErr OnDoAction(SBActionMessage* message) override;

    // How the current options panel was opened: "Action", "EditTool", "MouseUp" or empty.
    const char* InteractionMode() const { return mode_; }
    void SetInteractionMode(const char* mode);

    SBToolHandle FirstGroupTool(int index) const;
    SBToolHandle SecondGroupTool(int index) const;
    // The handle registered for the catalogue's row `index`.
    SBToolHandle RegisteredTool(int index) const;
    const ToolCatalogue& Tools() const { return *tools_; }
    SBNotifierHandle SetupCompleteNotifier() const { return setupCompleteNotifier_; }
    SBNotifierHandle ShutdownNotifier() const { return shutdownNotifier_; }
    SBCursorResource CursorResource() const { return cursorResource_; }
    // The mode selection last gave the shared mirror-and-cut object: 0 mirror, 1 cut.
    int32_t MirrorMode() const { return mirrorMode_; }

private:
    static constexpr int kModeLength = 16;

    explicit ZarvoPlugin(ReloadTag);

    SBErr AllocateGlobals(SBPluginRef plugin);
    SBErr RegisterTools();
    SBErr RegisterNotifiers();
    SBErr RegisterLiveEffects();
    SBErr RegisterActions();
    void ReleaseCursorResource();
    // Gives the globals block back to the host; the code of a failed release, or 0.
    SBErr DisposeGlobals();
    SBErr CreatePanelControllers();
    void AddPanelListeners();
    void DestroyPanelControllers();
    void SelectMode(const ToolRow& row);
    SBErr RouteLiveEffect(SBLiveEffectMessage* message, bool edit);

    SBToolHandle firstGroup_[kFirstGroupCount];
    SBToolHandle secondGroup_[kSecondGroupCount];
    char mode_[kModeLength];
    SBNotifierHandle setupCompleteNotifier_;
    SBCursorResource cursorResource_;
    SBNotifierHandle shutdownNotifier_;
    // The shared block again, so that a reload of the code (which resets the process-wide pointer)
    // finds it.
    ZGlobals* globals_;
    int32_t mirrorMode_;
    const ToolCatalogue* tools_;
    // The last message of the current drag failed: the mouse up after it commits nothing.
    bool dragFailed_;
};
