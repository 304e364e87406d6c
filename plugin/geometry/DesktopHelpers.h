// Keyboard, pause and cursor helpers of the tools, over the platform layer.
#pragma once

#include <cstdint>

// True when the virtual key is down or was pressed since the previous query.
bool IsKeyDown(int32_t virtualKey);
bool IsUpArrowDown();
bool IsDownArrowDown();
bool IsLeftArrowDown();
bool IsRightArrowDown();
bool IsEscapeDown();
bool IsCKeyDown();
bool IsMKeyDown();
bool IsPKeyDown();
bool IsRKeyDown();
bool IsTKeyDown();

// Removes the thread's pending keyboard messages, so keys pressed during a drag do not reach the
// host afterwards.
void DrainKeyboardMessages();

// Sleeps seconds × 1000 milliseconds, truncated. Negative or not-a-number pauses nothing; the
// pause is clamped to one hour.
void PauseSeconds(float seconds);

void SetCrossCursor();
