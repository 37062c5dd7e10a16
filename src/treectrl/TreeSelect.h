// Selection: the caret, the drop highlight, the first visible item, and
// bringing an item into view.
#pragma once

#include "treectrl/TreeData.h"

BOOL SelectItem(TreeData* td, TreeNode* q, WPARAM code, bool byMouse);
BOOL EnsureItemVisible(TreeData* td, TreeNode* q, bool noScroll);
// Stops both timers and ends a label edit, cancelled: after a caret change.
void AfterCaretChange(TreeData* td);
