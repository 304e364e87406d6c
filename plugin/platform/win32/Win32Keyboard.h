// The keyboard half of the Windows back end. Its two desktop calls come through a table, so that
// what it makes of them (which bits mean a key, which messages are removed) can run without Windows.
#pragma once

#include <cstdint>

namespace platform::win32 {

struct KeyboardCalls {
    // GetAsyncKeyState: bit 15 while the key is down, bit 0 when it was pressed since the last call.
    int16_t (*asyncKeyState)(int32_t virtualKey);
    // PeekMessage with PM_REMOVE over the messages [first, last]: non-zero when one was removed.
    int32_t (*removeMessage)(uint32_t first, uint32_t last);
};

// The desktop's calls. Defined with the rest of the back end; a test links its own.
const KeyboardCalls& SystemKeyboard();

// The bits of GetAsyncKeyState that tell a key down or pressed.
constexpr uint16_t kKeyDownBit = 0x8000;
constexpr uint16_t kKeyPressedBit = 0x0001;

}  // namespace platform::win32
