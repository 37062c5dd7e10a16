// The operations of the tree control on its state record, grouped by the
// file that holds them. The window procedure (TreeDispatch.cpp) reaches
// them by message; they call each other directly.
#pragma once

#include "treectrl/TreeData.h"

// Navigation (TreeNavigation.cpp) ----------------------------------------

inline bool IsExpanded(const TreeNode* q)
{
    return (q->state & TVIS_EXPANDED) != 0;
}
// The parent as an item: null for a top-level item.
inline TreeNode* ParentItem(const TreeNode* q)
{
    TreeNode* p = q->pParent;
    return p && p->pParent ? p : nullptr;
}
TreeNode* NextVisible(const TreeNode* q);
TreeNode* PrevVisible(const TreeNode* q);
TreeNode* LastVisible(TreeData* td);
// Every ancestor up to the root is expanded.
bool Displayed(const TreeNode* q);
// q comes before the first visible item in the display sequence.
bool Above(TreeData* td, TreeNode* q);
// node is ancestor or one of its descendants.
bool InSubtree(const TreeNode* node, const TreeNode* ancestor);
int Depth(const TreeNode* q);
TreeNode* GetNextItem(TreeData* td, TreeNode* q, WPARAM code);

// Visits the rows that q's children occupy when q is expanded (pre-order,
// into expanded children only) with their depth; returns their number.
template <typename Visit>
int ForEachRowBelow(TreeNode* q, int depth, Visit visit)
{
    int rows = 0;
    TreeNode* p = q->pFirstChild;
    int d = depth + 1;
    while (p) {
        ++rows;
        visit(p, d);
        if (IsExpanded(p) && p->pFirstChild) {
            p = p->pFirstChild;
            ++d;
            continue;
        }
        while (p != q && !p->pNext) {
            p = p->pParent;
            --d;
        }
        if (p == q)
            break;
        p = p->pNext;
    }
    return rows;
}
inline int RowsBelow(TreeNode* q)
{
    return ForEachRowBelow(q, 0, [](TreeNode*, int) {});
}
// Rows below q that are displayed now: RowsBelow when q is expanded, else 0.
inline int DisplayedRowsBelow(TreeNode* q)
{
    return IsExpanded(q) ? RowsBelow(q) : 0;
}

// Item store (TreeStore.cpp, TreeSort.cpp) -------------------------------

TreeNode* InsertItem(TreeData* td, TreeNode* parent, HTREEITEM insertAfter, const TVITEM& item);
void DeleteItem(TreeData* td, TreeNode* q);
void DeleteAllItems(TreeData* td);
// Frees what is left at WM_NCDESTROY, deletion hook included, caret untouched.
void FreeRemainingItems(TreeData* td);
void GetItem(TreeData* td, TreeNode* q, TVITEM* item);
void SetItem(TreeData* td, TreeNode* q, const TVITEM& item);
HIMAGELIST SetImageList(TreeData* td, WPARAM which, HIMAGELIST list);
void SortChildren(TreeData* td, TreeNode* parent);
void SetNodeLabel(TreeData* td, TreeNode* q, const char* text);
// Frees the label of a node that is being deleted.
void FreeNodeLabel(TreeData* td, TreeNode* q);

// Notifications (TreeNotify.cpp) ------------------------------------------

LRESULT SendTreeNotify(TreeData* td, UINT code, NMTREEVIEW* nm);
LRESULT SendDispInfoNotify(TreeData* td, UINT code, NMTVDISPINFO* nm);
void FillNotifyItem(TVITEM* item, const TreeNode* node, UINT mask);
constexpr UINT kNotifyItemMask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;

// Geometry (TreeMeasure.cpp, TreeGeometry.cpp, TreeLayout.cpp) -------------

UINT GetItemHeight(TreeData* td);
int GetVisibleCount(TreeData* td);
RECT ClientRect(TreeData* td);
// Sets the indent (at least 15) and the paint geometry derived from it.
void SetIndentGeometry(TreeData* td, UINT indent);
int GetItemRow(TreeData* td, TreeNode* q);
// The row rectangle of a row index (client coordinates).
RECT RowRectAt(TreeData* td, int row);
BOOL GetItemRect(TreeData* td, TreeNode* q, BOOL textOnly, RECT* rect);
void InvalidateItem(TreeData* td, TreeNode* q, BOOL erase);
// Whether q's row shows in the client area, and its rectangle if so.
bool RowInView(TreeData* td, TreeNode* q, RECT* rowRect);
TreeNode* HitTestItem(TreeData* td, TVHITTESTINFO* info);
DWORD TreeStyle(TreeData* td);

// Horizontal extent (TreeExtent.cpp) ------------------------------------

void RecalcHorzExtent(TreeData* td);
// q (at this depth) joined or left the display sequence.
void ExtentItemShown(TreeData* td, TreeNode* q, int depth);
void ExtentItemHidden(TreeData* td, TreeNode* q, int depth);
// q's label width was measured and changed from oldWidth.
void ExtentLabelMeasured(TreeData* td, TreeNode* q, int oldWidth);
// Forget the index; the next update rebuilds it by a full scan.
void ExtentInvalidate(TreeData* td);

// Scrolling (TreeScroll.cpp) ------------------------------------------------

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

// Expansion and selection (TreeExpand.cpp, TreeSelect.cpp) ---------------

BOOL ExpandItem(TreeData* td, TreeNode* q, UINT code, bool notify);
BOOL SelectItem(TreeData* td, TreeNode* q, WPARAM code, bool byMouse);
BOOL EnsureItemVisible(TreeData* td, TreeNode* q, bool noScroll);
// Stops both timers and ends a label edit, cancelled: after a caret change.
void AfterCaretChange(TreeData* td);

// Input (TreeMouse.cpp, TreeFocus.cpp, TreeKeyboard.cpp) -----------------

void ReleasePress(TreeData* td);
void CancelPress(TreeData* td);
void OnLButtonDown(TreeData* td, POINT pt);
void OnLButtonUp(TreeData* td);
void OnLButtonDblClk(TreeData* td, POINT pt);
void OnRButtonDown(TreeData* td, POINT pt);
void OnRButtonUp(TreeData* td, POINT pt);
void OnMouseMove(TreeData* td, POINT pt);
void OnSetFocus(TreeData* td);
void OnKillFocus(TreeData* td);
void OnCaptureChanged(TreeData* td);
void OnTimer(TreeData* td, UINT_PTR id);
LRESULT OnKeyDown(TreeData* td, WPARAM key);

// Label editing (LabelEdit.cpp, LabelEditProc.cpp) -------------------------

// The longest label text an edit reports and stores.
constexpr int kMaxEditText = 259;
void CreateEditChild(TreeData* td);
TreeNode* EditLabel(TreeData* td, TreeNode* q);
BOOL EndEditLabelNow(TreeData* td, BOOL cancel);
HWND GetEditControl(TreeData* td);
// Ends any label edit, cancelled.
void CancelLabelEdit(TreeData* td);
// Subclasses the edit child; the record it keeps goes with the window.
void InstallEditProc(HWND edit);
// Where the edit was placed when editing began and the control's client
// rectangle then, both in screen coordinates: the limits of its growth.
void SetEditPlacement(HWND edit, const RECT& start, const RECT& bounds);

// The window (TreeDispatch.cpp) ----------------------------------------------

// Attaches the control to its window: state record, window procedure, edit
// child. Returns 0.
LRESULT AttachTree(HWND hwnd, LPARAM lParam);
// The control's window procedure once attached.
LRESULT TreeWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
