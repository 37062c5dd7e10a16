// Scrolling: the first visible item, the scroll bars, redraw control.
#pragma once

#include "treectrl/TreeData.h"

BOOL UpdateScrollBars(TreeData* td);
void RedrawAll(TreeData* td);
void SetFirstVisible(TreeData* td, TreeNode* t);
// The same as clearing m_pFirstVisible and SetFirstVisible(t), for a caller
// that knows t's row: no walk back to the top.
void SetFirstVisibleAt(TreeData* td, TreeNode* t, int row);
// Also gives the row of the item it returns.
TreeNode* GetPullUpTop(TreeData* td, int* row = nullptr);
TreeNode* GetTopToShow(TreeData* td, const RECT& client, TreeNode* q, const RECT& row);
// Result of WM_VSCROLL/WM_HSCROLL: 1 when the thumb position cannot be read.
LRESULT ScrollBy(TreeData* td, int bar, int code);
void ScrollTo(TreeData* td, int bar, int value, int page);
void ScrollVertTo(TreeData* td, int row);
void OnMouseWheel(TreeData* td, WPARAM wParam);
void OnSize(TreeData* td, WPARAM type);
void OnSetRedraw(TreeData* td, BOOL on);
