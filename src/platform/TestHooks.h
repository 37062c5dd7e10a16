// Hooks for tests that drive the platform without a real keyboard or
// speaker. Not for production code.
#pragma once

#include <cstddef>
#include <optional>

// Sets the state GetKeyState reports for a key until the next input event
// says otherwise (VK_CONTROL, VK_SHIFT, VK_MENU or any other key).
void SetKeyStateForTest(int virtKey, bool down);
// Sets whether a lock key (VK_CAPITAL, VK_NUMLOCK, VK_SCROLL) is on, in place
// of the keyboard's indicator; nullopt gives the indicator back.
void SetLockKeyForTest(int virtKey, std::optional<bool> on);
// How many times MessageBeep has been called since start-up.
unsigned long MessageBeepCount();
// How many fonts, pens, brushes and bitmaps are alive (stock objects included).
std::size_t LiveGdiObjectCount();
// How many device contexts are alive (painting, measuring and in memory).
std::size_t LiveDcCount();
// How many icons are alive.
std::size_t LiveIconCount();
// While set, each block of LargeBlocks.h and each record taken from one
// asks the gate first, and fails as with memory exhausted when it says no;
// null removes it.
void SetAllocationGateForTest(bool (*gate)());
// Lowers the width at which text measurement saturates (INT_MAX, reached
// by texts of hundreds of millions of bytes); 0 restores it.
void SetTextWidthLimitForTest(int limit);
