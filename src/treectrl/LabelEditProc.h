// The window procedure installed on the label edit child.
#pragma once

#include "platform/WinTypes.h"

// Subclasses the edit child; the record it keeps goes with the window.
void InstallEditProc(HWND edit);
// Where the edit was placed when editing began and the control's client
// rectangle then, both in screen coordinates: the limits of its growth.
void SetEditPlacement(HWND edit, const RECT& start, const RECT& bounds);
