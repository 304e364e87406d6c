#include "desk/Desk.h"

#include "system/HostSystem.h"

#include <cstring>

namespace scribera::desk {

namespace {

constexpr uint32_t kKeyDownMessage = 256;
constexpr uint32_t kKeyUpMessage = 257;

// Cursors are tokens: the address of an entry stands for the cursor with that id.
struct CursorToken {
    int32_t id;
};
CursorToken gCrossHair{32515};
CursorToken gArrow{32512};

DeskState* Desk() { return Session::HasCurrent() ? &Session::Current().Desktop().desk : nullptr; }

int16_t GetAsyncKeyState(int32_t key) {
    DeskState* d = Desk();
    if (!d) return 0;
    bool down = d->keysDown[key];
    bool pressed = d->pressedSince[key];
    d->pressedSince[key] = false;
    return static_cast<int16_t>((down ? 0x8000 : 0) | (pressed ? 1 : 0));
}

int32_t RemoveQueuedMessage(uint32_t first, uint32_t last) {
    DeskState* d = Desk();
    if (!d) return 0;
    for (auto it = d->messageQueue.begin(); it != d->messageQueue.end(); ++it) {
        if (*it >= first && *it <= last) {
            d->messageQueue.erase(it);
            return 1;
        }
    }
    return 0;
}

void Sleep(uint32_t milliseconds) {
    if (DeskState* d = Desk()) d->clockMilliseconds += milliseconds;
}

void* LoadSystemCursor(int32_t id) {
    DeskState* d = Desk();
    if (d) d->cursorLog.push_back("load " + std::to_string(id));
    if (id == gCrossHair.id) return &gCrossHair;
    if (id == gArrow.id) return &gArrow;
    return nullptr;
}

void SetCursor(void* cursor) {
    DeskState* d = Desk();
    if (!d) return;
    if (cursor == &gCrossHair || cursor == &gArrow)
        d->cursorLog.push_back("set " + std::to_string(static_cast<CursorToken*>(cursor)->id));
    else
        d->cursorLog.push_back(cursor ? "set unknown" : "set none");
}

int32_t GetProfileFolder(char* path, int32_t size) {
    DeskState* d = Desk();
    if (!d || d->profileFolder.empty() || !path || size <= 0) return 1;
    if (d->profileFolder.size() + 1 > static_cast<size_t>(size)) return 1;
    std::memcpy(path, d->profileFolder.c_str(), d->profileFolder.size() + 1);
    return 0;
}

int64_t ClockSeconds() {
    DeskState* d = Desk();
    return d ? d->clockMilliseconds / 1000 : 0;
}

const SBDeskTable kTable = {SB_DESK_TABLE_VERSION, GetAsyncKeyState, RemoveQueuedMessage, Sleep,
                            LoadSystemCursor,      SetCursor,        GetProfileFolder,    ClockSeconds};

}  // namespace

int32_t KeyCode(const std::string& name) {
    static const struct {
        const char* name;
        int32_t code;
    } kKeys[] = {{"Up", 0x26}, {"Down", 0x28}, {"Left", 0x25}, {"Right", 0x27}, {"Escape", 0x1B},
                 {"C", 0x43},  {"M", 0x4D},    {"P", 0x50},    {"R", 0x52},     {"T", 0x54}};
    for (const auto& k : kKeys)
        if (name == k.name) return k.code;
    return -1;
}

void PressKey(DeskState& desk, int32_t virtualKey) {
    desk.keysDown[virtualKey] = true;
    desk.pressedSince[virtualKey] = true;
    desk.messageQueue.push_back(kKeyDownMessage);
}

void ReleaseKey(DeskState& desk, int32_t virtualKey) {
    desk.keysDown[virtualKey] = false;
    desk.messageQueue.push_back(kKeyUpMessage);
}

const SBDeskTable* Table() { return &kTable; }

}  // namespace scribera::desk

extern "C" SCRIBERA_EXPORT const SBDeskTable* ScriberaDeskTable(void) { return scribera::desk::Table(); }
