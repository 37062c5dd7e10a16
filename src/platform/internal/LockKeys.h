// Whether Caps Lock, Num Lock and Scroll Lock are on, as the window system's
// keyboard indicators say (the toggle bit of GetKeyState).
#pragma once

// True when `virtKey` (VK_CAPITAL, VK_NUMLOCK or VK_SCROLL) is a lock key
// whose indicator is on; false for any other key, and for every key where
// the window system tells no indicator state.
bool LockKeyToggled(int virtKey);

// A lock may have changed (a key went down or up, a window was activated):
// the next question asks the window system again.
void NoteLockKeysMayHaveChanged();
