// Where items are: rows, item rectangles, invalidation and the hit test.
#pragma once

#include "treectrl/TreeData.h"

int GetItemRow(TreeData* td, TreeNode* q);
// The row rectangle of a row index (client coordinates).
RECT RowRectAt(TreeData* td, int row);
BOOL GetItemRect(TreeData* td, TreeNode* q, BOOL textOnly, RECT* rect);
void InvalidateItem(TreeData* td, TreeNode* q, BOOL erase);
// Whether q's row shows in the client area, and its rectangle if so.
bool RowInView(TreeData* td, TreeNode* q, RECT* rowRect);
TreeNode* HitTestItem(TreeData* td, TVHITTESTINFO* info);
