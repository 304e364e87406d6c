#include "geometry/DesktopHelpers.h"

#include "platform/Platform.h"

#include <cmath>

bool IsKeyDown(int32_t virtualKey) { return platform::AsyncKeyDown(virtualKey); }
bool IsUpArrowDown() { return IsKeyDown(platform::kKeyUp); }
bool IsDownArrowDown() { return IsKeyDown(platform::kKeyDown); }
bool IsLeftArrowDown() { return IsKeyDown(platform::kKeyLeft); }
bool IsRightArrowDown() { return IsKeyDown(platform::kKeyRight); }
bool IsEscapeDown() { return IsKeyDown(platform::kKeyEscape); }
bool IsCKeyDown() { return IsKeyDown(platform::kKeyC); }
bool IsMKeyDown() { return IsKeyDown(platform::kKeyM); }
bool IsPKeyDown() { return IsKeyDown(platform::kKeyP); }
bool IsRKeyDown() { return IsKeyDown(platform::kKeyR); }
bool IsTKeyDown() { return IsKeyDown(platform::kKeyT); }

void DrainKeyboardMessages() {
    constexpr uint32_t kFirstKeyMessage = 256, kLastKeyMessage = 265;
    // A queue cannot hold this many key messages; the bound only guards against a desktop that
    // never reports an empty queue.
    for (int removed = 0; removed < 1000000; ++removed)
        if (!platform::RemovePendingMessage(kFirstKeyMessage, kLastKeyMessage)) break;
}

void PauseSeconds(float seconds) {
    float milliseconds = seconds * 1000.0f;
    if (!(milliseconds >= 1.0f)) return;
    if (milliseconds > 3600000.0f) milliseconds = 3600000.0f;
    platform::SleepMilliseconds(static_cast<uint32_t>(milliseconds));
}

void SetCrossCursor() {
    constexpr int32_t kCrossCursor = 32515;
    platform::ShowSystemCursor(kCrossCursor);
}
