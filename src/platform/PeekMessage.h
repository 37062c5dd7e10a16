// Looking into the message queue without waiting: a key-down handler sees
// the character that its key types.
#pragma once

#include "platform/WinTypes.h"

// Looks for a waiting message of the window (null: any) whose number lies
// in [filterMin, filterMax] (both 0: any) and copies it to msg; with
// PM_REMOVE it is taken from the queue and never delivered. The characters a
// key press types wait there while its WM_KEYDOWN is delivered, so that a
// key-down handler can see which character follows.
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg);
