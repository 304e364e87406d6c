// The panel controllers: one object per options panel. The base owns the bridge binding and the
// extension identifier; VToolPanelController adds what the tool panels share: the three listeners
// with their application-context frame, the ready selection check and the reply to a ready panel.
#pragma once

#include "panels/RelayzenBinding.h"

#include <scribera/RelayzenHub.h>
#include <scribera/SBTypes.h>

#include <cstdint>
#include <string>

struct ZGlobals;  // the plug-in's block, where the catalogue says a controller is kept

class VexelUIController {
public:
    // Binds the bridge library; a missing bridge leaves a controller whose calls do nothing.
    explicit VexelUIController(const char* extensionId);
    virtual ~VexelUIController();
    VexelUIController(const VexelUIController&) = delete;
    VexelUIController& operator=(const VexelUIController&) = delete;

    virtual int32_t OpenPanel();
    virtual int32_t ClosePanel();
    virtual int32_t AddListeners() = 0;
    virtual int32_t RemoveListeners() = 0;
    virtual int32_t SendValues() = 0;
    virtual void ReceiveParameters(const std::string& payload) = 0;

    const char* ExtensionId() const { return extensionId_; }
    bool IsBound() const { return binding_.IsBound(); }

protected:
    RelayzenBinding binding_;
    const char* extensionId_;
};

// The names one tool panel is known by.
struct ToolPanelNames {
    const char* extensionId;
    const char* paramsEvent;
    const char* cancelEvent;  // null for panels without one
    const char* sentEvent;
    const char* applicationField;
};

// Where the plug-in keeps a controller, and whose selection lets it answer a ready panel; the tool
// catalogue says, so that a panel knows nothing of the plug-in's block.
struct PanelSlots {
    VexelUIController* ZGlobals::*entry;
    // The ready event is answered only while the host's selected tool is one of these.
    SBToolHandle ZGlobals::*readyTools[2];
};

class VToolPanelController : public VexelUIController {
public:
    static constexpr const char* kReadyEvent = "com.norvane.event.DialogReady";

    VToolPanelController(const ToolPanelNames& names, const PanelSlots& slots);

    int32_t AddListeners() override;
    int32_t RemoveListeners() override;
    // Dispatches the payload to the panel; the bridge's answer is not passed on.
    int32_t SendValues() override;
    // The panel was closed without confirming.
    virtual void Cancel() = 0;
    // What SendValues dispatches.
    virtual std::string Payload() const = 0;

    bool IsReady() const { return ready_ != 0; }
    // How the panel was last opened ("Action", "EditTool", "MouseUp"), as the plug-in keeps it;
    // empty without a plug-in.
    std::string InteractionMode() const;
    // Whether the host's selected tool is the one this panel answers.
    bool ToolIsSelected() const;

    // The listeners the bridge calls; the context is the controller.
    static void OnParams(const RelayzenEvent* event, void* context);
    static void OnCancel(const RelayzenEvent* event, void* context);
    static void OnReady(const RelayzenEvent* event, void* context);

protected:
    // Opens the panel, the plug-in noting how it was opened.
    void OpenFor(const char* mode);

private:
    // Keeps the controller in its entry and runs `body` inside the plug-in's application context.
    // Nothing escapes to the panel service: a failure shows "Error in Zarvo".
    template <class Body>
    void InContext(Body&& body);

    ToolPanelNames names_;
    PanelSlots slots_;

protected:
    int32_t ready_ = 0;
};
