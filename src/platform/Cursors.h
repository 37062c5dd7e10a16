#pragma once

#include "platform/Window.h"

// The window the mouse is over; SetCursor shapes the pointer there.
void NoteWindowUnderMouse(HWND hwnd);
