// The Windows back end's keyboard logic and the tools' keyboard helpers over it, with the two
// desktop calls replaced by a scripted desktop: no keyboard is needed, and it runs on any system.
#include "geometry/DesktopHelpers.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Keyboard.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace {

struct ScriptedDesktop {
    std::map<int32_t, int16_t> keyStates;  // what GetAsyncKeyState answers per key
    std::vector<int32_t> keysAsked;
    std::deque<uint32_t> messages;
    bool neverEmpty = false;  // a desktop whose queue always yields one more message
    long removeCalls = 0;
};
ScriptedDesktop* gDesktop = nullptr;

int16_t ScriptedKeyState(int32_t virtualKey) {
    gDesktop->keysAsked.push_back(virtualKey);
    auto it = gDesktop->keyStates.find(virtualKey);
    return it == gDesktop->keyStates.end() ? 0 : it->second;
}

int32_t ScriptedRemove(uint32_t first, uint32_t last) {
    ++gDesktop->removeCalls;
    if (gDesktop->neverEmpty) return 1;
    for (auto it = gDesktop->messages.begin(); it != gDesktop->messages.end(); ++it) {
        if (*it >= first && *it <= last) {
            gDesktop->messages.erase(it);
            return 1;
        }
    }
    return 0;
}

class Win32Keyboard : public ::testing::Test {
protected:
    void SetUp() override { gDesktop = &desktop; }
    void TearDown() override { gDesktop = nullptr; }
    ScriptedDesktop desktop;
};

TEST_F(Win32Keyboard, KeyDownOrPressedSinceTheLastLookAndNoOtherBit) {
    desktop.keyStates = {
        {0x26, static_cast<int16_t>(0x8000)}, {0x28, 0x0001}, {0x25, static_cast<int16_t>(0x8001)}, {0x27, 0x7FFE}};
    EXPECT_TRUE(platform::AsyncKeyDown(0x26));  // held
    EXPECT_TRUE(platform::AsyncKeyDown(0x28));  // pressed and released since
    EXPECT_TRUE(platform::AsyncKeyDown(0x25));
    EXPECT_FALSE(platform::AsyncKeyDown(0x27));  // reserved bits only
    EXPECT_FALSE(platform::AsyncKeyDown(0x1B));  // never touched
}

TEST_F(Win32Keyboard, KeysOutsideTheVirtualKeyRangeAreNotAsked) {
    EXPECT_FALSE(platform::AsyncKeyDown(0));
    EXPECT_FALSE(platform::AsyncKeyDown(-1));
    EXPECT_FALSE(platform::AsyncKeyDown(255));
    EXPECT_FALSE(platform::AsyncKeyDown(0x10026));
    EXPECT_TRUE(desktop.keysAsked.empty());
}

TEST_F(Win32Keyboard, EachHelperAsksForItsOwnKey) {
    const std::vector<std::pair<std::function<bool()>, int32_t>> helpers = {
        {IsUpArrowDown, 0x26}, {IsDownArrowDown, 0x28}, {IsLeftArrowDown, 0x25}, {IsRightArrowDown, 0x27},
        {IsEscapeDown, 0x1B},  {IsCKeyDown, 0x43},      {IsMKeyDown, 0x4D},      {IsPKeyDown, 0x50},
        {IsRKeyDown, 0x52},    {IsTKeyDown, 0x54}};
    for (const auto& [helper, key] : helpers) {
        desktop.keysAsked.clear();
        desktop.keyStates = {{key, static_cast<int16_t>(0x8000)}};
        EXPECT_TRUE(helper()) << "key " << key;
        EXPECT_EQ(desktop.keysAsked, std::vector<int32_t>{key});
        desktop.keyStates.clear();
        EXPECT_FALSE(helper()) << "key " << key;
    }
}

TEST_F(Win32Keyboard, DrainRemovesTheKeyboardMessagesOnly) {
    // 256..265: key down and up, characters, dead characters, system keys; 255 and 266 are not keys.
    desktop.messages = {15, 255, 256, 512, 257, 258, 259, 260, 261, 262, 263, 264, 265, 266};
    DrainKeyboardMessages();
    EXPECT_EQ(desktop.messages, (std::deque<uint32_t>{15, 255, 512, 266}));
    EXPECT_EQ(desktop.removeCalls, 11);  // ten removed, one that found none
}

TEST_F(Win32Keyboard, DrainEndsOnADesktopThatNeverEmpties) {
    desktop.neverEmpty = true;
    DrainKeyboardMessages();
    EXPECT_EQ(desktop.removeCalls, 1000000);
}

TEST_F(Win32Keyboard, AnEmptyOrReversedRangeRemovesNothing) {
    desktop.messages = {256};
    EXPECT_FALSE(platform::RemovePendingMessage(257, 256));
    EXPECT_EQ(desktop.removeCalls, 0);
    EXPECT_TRUE(platform::RemovePendingMessage(256, 256));
    EXPECT_FALSE(platform::RemovePendingMessage(256, 256));
}

}  // namespace

namespace platform {

namespace win32 {
const KeyboardCalls& SystemKeyboard() {
    static const KeyboardCalls calls{ScriptedKeyState, ScriptedRemove};
    return calls;
}
}  // namespace win32

// The helpers' other desktop calls, not under test here.
void SleepMilliseconds(uint32_t) {}
bool ShowSystemCursor(int32_t) { return false; }

}  // namespace platform
