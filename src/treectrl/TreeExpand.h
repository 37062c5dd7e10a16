// Expanding and collapsing an item (TVM_EXPAND, clicks and keys).
#pragma once

#include "treectrl/TreeData.h"

BOOL ExpandItem(TreeData* td, TreeNode* q, UINT code, bool notify);
