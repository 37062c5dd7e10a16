// Painting of the tree control (WM_PAINT).
#pragma once

#include "treectrl/TreeData.h"

// Paints into `passed` when given (the region is the update rectangle, or
// the client area; nothing is validated), else between BeginPaint and
// EndPaint.
void PaintTree(TreeData* td, HDC passed);
