// The images of the toolbar buttons, Open and Info, side by side in one
// strip; light grey (192, 192, 192) is transparent.
#pragma once

#include "platform/WinTypes.h"

constexpr int kToolBarImageWidth = 16;
constexpr int kToolBarImageHeight = 15;

// A bitmap of 2 images of 16 by 15 pixels; the caller owns it.
HBITMAP CreateToolBarImages();
