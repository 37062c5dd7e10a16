// Sorting one child list (TVM_SORTCHILDREN); the comparison is the record's
// m_pfnCompare, CompareItemText unless a test replaces it.
#pragma once

#include "treectrl/TreeData.h"

void SortChildren(TreeData* td, TreeNode* parent);
