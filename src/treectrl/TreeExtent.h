// The horizontal extent and the index that keeps it between updates.
#pragma once

#include "treectrl/TreeData.h"

void RecalcHorzExtent(TreeData* td);
// q (at this depth) joined or left the display sequence.
void ExtentItemShown(TreeData* td, TreeNode* q, int depth);
void ExtentItemHidden(TreeData* td, TreeNode* q, int depth);
// q's label width was measured and changed from oldWidth.
void ExtentLabelMeasured(TreeData* td, TreeNode* q, int oldWidth);
// Forget the index; the next update rebuilds it by a full scan.
void ExtentInvalidate(TreeData* td);
