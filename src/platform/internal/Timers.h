#pragma once

#include "platform/WinTypes.h"

// Stops every timer of a window that is being destroyed.
void KillWindowTimers(HWND hwnd);
