// The images of the toolbar buttons, one per button in the bar's order, as
// pictures of kToolBarImageWidth by kToolBarImageHeight units that are drawn
// at the screen's own resolution (SVG).
#pragma once

#include "platform/WinTypes.h"

#include <vector>

constexpr int kToolBarImageWidth = 16;
constexpr int kToolBarImageHeight = 15;

// Open, Info, Back, Forward, Go to Entity; the caller owns the icons.
std::vector<HICON> CreateToolBarImages();
