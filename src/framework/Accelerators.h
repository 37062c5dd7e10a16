// Keyboard accelerators: a table of keys with modifiers and the command
// each one gives. A frame translates key-down messages with its table in
// pre-translation, before the focus window sees them.
#pragma once

#include "platform/WinMessages.h"

#include <vector>

constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct ACCEL {
    BYTE fVirt = FVIRTKEY; // modifiers that must be down (and no others)
    WORD key = 0; // virtual key
    WORD cmd = 0;
};

// The command of a key-down message under the current modifier state, or 0.
WORD FindAccelerator(const std::vector<ACCEL>& table, const MSG& msg);

// Sends the command of an accelerator key to the window as WM_COMMAND with
// notification code 1; TRUE when the key was an accelerator.
BOOL TranslateAccelerator(HWND hwnd, const std::vector<ACCEL>& table, const MSG& msg);
