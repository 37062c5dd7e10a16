// Where a top-level window lies when shown normally, and whether it is
// maximised.
#pragma once

#include "platform/Window.h"

constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_RESTORE = 9;

// rcNormalPosition is in screen coordinates; showCmd is SW_SHOWNORMAL,
// SW_SHOWMAXIMIZED or SW_SHOWMINIMIZED.
struct WINDOWPLACEMENT {
    UINT showCmd = SW_SHOWNORMAL;
    RECT rcNormalPosition{};
};
BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
// Gives the window its normal place, shrunk and moved as little as needed
// onto the available area of a screen (the one it overlaps most, else the
// primary one), then shows it with showCmd unless that is SW_HIDE.
BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement);
// TRUE while a top-level window is maximised.
BOOL IsZoomed(HWND hwnd);
