// The item store: insertion, deletion, item fields, labels and image lists.
#pragma once

#include "treectrl/TreeData.h"

TreeNode* InsertItem(TreeData* td, TreeNode* parent, HTREEITEM insertAfter, const TVITEM& item);
void DeleteItem(TreeData* td, TreeNode* q);
void DeleteAllItems(TreeData* td);
// Frees what is left at WM_NCDESTROY, deletion hook included, caret untouched.
void FreeRemainingItems(TreeData* td);
void GetItem(TreeData* td, TreeNode* q, TVITEM* item);
void SetItem(TreeData* td, TreeNode* q, const TVITEM& item);
HIMAGELIST SetImageList(TreeData* td, WPARAM which, HIMAGELIST list);
