#include "platform/Platform.h"
#include "platform/win32/Win32Keyboard.h"

namespace platform {

bool AsyncKeyDown(int32_t virtualKey) {
    // Virtual keys are 1..254; anything else is no key at all.
    if (virtualKey <= 0 || virtualKey > 254) return false;
    const uint16_t state = static_cast<uint16_t>(win32::SystemKeyboard().asyncKeyState(virtualKey));
    return (state & (win32::kKeyDownBit | win32::kKeyPressedBit)) != 0;
}

bool RemovePendingMessage(uint32_t first, uint32_t last) {
    if (first > last) return false;
    return win32::SystemKeyboard().removeMessage(first, last) != 0;
}

}  // namespace platform
