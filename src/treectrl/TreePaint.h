// Painting of the tree control (WM_PAINT) and the drag image of an item
// (TVM_CREATEDRAGIMAGE), as the window procedure reaches them.
#pragma once

#include "treectrl/TreeData.h"

// Paints into `passed` when given (the region is the update rectangle, or
// the client area; nothing is validated), else between BeginPaint and
// EndPaint.
void PaintTree(TreeData* td, HDC passed);

// A new image list holding one image of q (label and images over the mask
// green), or null without a normal image list or when an allocation fails.
HIMAGELIST CreateDragImage(TreeData* td, TreeNode* q);
