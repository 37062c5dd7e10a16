// In-place label editing: the edit child, beginning and ending an edit.
#pragma once

#include "treectrl/TreeData.h"

// The longest label text an edit reports and stores.
constexpr int kMaxEditText = 259;
void CreateEditChild(TreeData* td);
TreeNode* EditLabel(TreeData* td, TreeNode* q);
BOOL EndEditLabelNow(TreeData* td, BOOL cancel);
HWND GetEditControl(TreeData* td);
// Ends any label edit, cancelled.
void CancelLabelEdit(TreeData* td);
