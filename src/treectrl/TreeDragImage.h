// The drag image of an item (TVM_CREATEDRAGIMAGE).
#pragma once

#include "treectrl/TreeData.h"

// A new image list holding one image of q (label and images over the mask
// green), or null without a normal image list or when an allocation fails.
HIMAGELIST CreateDragImage(TreeData* td, TreeNode* q);
