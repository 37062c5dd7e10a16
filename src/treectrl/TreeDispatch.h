// The control's window procedure: decodes each message once and calls the
// operation that answers it.
#pragma once

#include "platform/WinTypes.h"

// Attaches the control to its window: state record, window procedure, edit
// child. Returns 0.
LRESULT AttachTree(HWND hwnd, LPARAM lParam);
// The control's window procedure once attached.
LRESULT TreeWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
