#include "panels/VexelUIController.h"

#include "frame/ErrorReport.h"
#include "frame/Globals.h"
#include "frame/ZarvoPlugin.h"
#include "frame/sb/Context.h"
#include "frame/sb/Registry.h"

VexelUIController::VexelUIController(const char* extensionId) : extensionId_(extensionId) {
    // A controller without a bridge still exists; its calls answer with the defaults.
    binding_.Bind();
}

VexelUIController::~VexelUIController() { binding_.Release(); }

int32_t VexelUIController::OpenPanel() { return binding_.LoadExtension(extensionId_); }

int32_t VexelUIController::ClosePanel() { return binding_.UnloadExtension(extensionId_); }

VToolPanelController::VToolPanelController(const ToolPanelNames& names, const PanelSlots& slots)
    : VexelUIController(names.extensionId), names_(names), slots_(slots) {}

int32_t VToolPanelController::AddListeners() {
    int32_t result = binding_.AddEventListener(names_.paramsEvent, &OnParams, this);
    if (result == 0 && names_.cancelEvent) result = binding_.AddEventListener(names_.cancelEvent, &OnCancel, this);
    if (result == 0) result = binding_.AddEventListener(kReadyEvent, &OnReady, this);
    return result;
}

int32_t VToolPanelController::RemoveListeners() {
    int32_t result = binding_.RemoveEventListener(names_.paramsEvent, &OnParams, this);
    if (result == 0 && names_.cancelEvent) result = binding_.RemoveEventListener(names_.cancelEvent, &OnCancel, this);
    if (result == 0) result = binding_.RemoveEventListener(kReadyEvent, &OnReady, this);
    return result;
}

int32_t VToolPanelController::SendValues() {
    const std::string payload = Payload();
    RelayzenEvent event{names_.sentEvent, 1, names_.applicationField, nullptr, payload.c_str()};
    binding_.DispatchEvent(&event);
    return 0;
}

bool VToolPanelController::ToolIsSelected() const {
    if (!gZGlobals) return false;
    SBToolHandle selected = sb::GetSelectedTool();
    if (!selected) return false;
    for (SBToolHandle ZGlobals::*active : slots_.readyTools)
        if (active && gZGlobals->*active == selected) return true;
    return false;
}

std::string VToolPanelController::InteractionMode() const {
    return gCurrentPlugin ? gCurrentPlugin->InteractionMode() : "";
}

void VToolPanelController::OpenFor(const char* mode) {
    if (gCurrentPlugin) gCurrentPlugin->SetInteractionMode(mode);
    OpenPanel();
}

template <class Body>
void VToolPanelController::InContext(Body&& body) {
    // Unloaded, or shut down: the suites are gone and nothing may be touched.
    if (!gZGlobals || !gCurrentPlugin) return;
    gZGlobals->*slots_.entry = this;
    GuardedWithAlert([&]() -> SBErr {
        sb::AppContext context(gZGlobals->plugin);
        body();
        return 0;
    });
}

void VToolPanelController::OnParams(const RelayzenEvent* event, void* context) {
    auto* self = static_cast<VToolPanelController*>(context);
    if (!self || !event) return;
    const std::string payload = event->data ? event->data : "";
    self->InContext([&] { self->ReceiveParameters(payload); });
}

void VToolPanelController::OnCancel(const RelayzenEvent* event, void* context) {
    auto* self = static_cast<VToolPanelController*>(context);
    if (!self || !event) return;
    self->InContext([&] { self->Cancel(); });
}

void VToolPanelController::OnReady(const RelayzenEvent*, void* context) {
    auto* self = static_cast<VToolPanelController*>(context);
    if (!self || !gZGlobals || !gCurrentPlugin) return;
    GuardedWithAlert([&]() -> SBErr {
        if (!self->ToolIsSelected()) return 0;
        self->InContext([&] {
            self->SendValues();
            self->ready_ = 1;
        });
        return 0;
    });
}
