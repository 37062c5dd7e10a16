#pragma once

#include "platform/Window.h"

// The window the mouse is over, noted by the bridge at every mouse event;
// SetCursor shapes the pointer there, and mouse-leave tracking ends when
// it changes.
void NoteWindowUnderMouse(HWND hwnd);
HWND WindowUnderMouse();
