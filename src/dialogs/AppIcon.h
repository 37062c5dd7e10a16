// The program's icon (the house on a blue tile of the desktop icon) as a
// 32 x 32 bitmap for the Info box.
#pragma once

#include "platform/WinTypes.h"

constexpr int kAppIconSize = 32;

// Made once, on the dialog face colour, and kept for the program's life
// like a loaded resource; callers never delete it.
HBITMAP AppIconBitmap();
