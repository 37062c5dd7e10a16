// Mouse input: tracked presses, clicks, double clicks, right clicks with
// the context menu, and drag detection.
#include "treectrl/TreeMouse.h"

#include "treectrl/TreeExpand.h"
#include "treectrl/TreeLayout.h"
#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeNavigation.h"
#include "treectrl/TreeNotify.h"
#include "treectrl/TreeSelect.h"

#include "platform/Window.h"

#include <cstdlib>

namespace {

TreeNode* HitAt(TreeData* td, POINT pt, UINT* flags)
{
    TVHITTESTINFO hit;
    hit.pt = pt;
    TreeNode* item = HitTestItem(td, &hit);
    *flags = hit.flags;
    return item;
}

// Sets the focus; true when the control had it already.
bool TakeFocus(TreeData* td)
{
    return SetFocus(td->m_hWnd) == td->m_hWnd;
}

void StartPress(TreeData* td, TreeNode* item, bool left, POINT pt)
{
    td->m_bTracking = 1;
    td->m_pPressed = td->m_pDragItem = item;
    td->m_bLeftButton = left ? 1 : 0;
    td->m_ptDown = pt;
    InvalidateItem(td, td->m_pCaret, TRUE);
    InvalidateItem(td, td->m_pPressed, FALSE);
    InvalidateItem(td, td->m_pDropHilite, TRUE);
    SetCapture(td->m_hWnd);
}

void StartEditTimer(TreeData* td)
{
    SetTimer(td->m_hWnd, kEditTimer, GetDoubleClickTime(), nullptr);
}

bool BeyondDragThreshold(TreeData* td, POINT pt)
{
    return std::abs(pt.x - td->m_ptDown.x) > GetSystemMetrics(SM_CXDRAG)
        || std::abs(pt.y - td->m_ptDown.y) > GetSystemMetrics(SM_CYDRAG);
}

LPARAM MessageScreenPos()
{
    return static_cast<LPARAM>(GetMessagePos());
}

} // namespace

void ReleasePress(TreeData* td)
{
    if (!td->m_bTracking)
        return;
    // Cleared first: the WM_CAPTURECHANGED of the release finds no press.
    td->m_bTracking = 0;
    if (GetCapture() == td->m_hWnd)
        ReleaseCapture();
    td->m_pPressed = nullptr;
    td->m_pDragItem = nullptr;
}

void CancelPress(TreeData* td)
{
    TreeNode* pressed = td->m_pPressed;
    ReleasePress(td);
    InvalidateItem(td, td->m_pCaret, FALSE);
    InvalidateItem(td, pressed, TRUE);
    InvalidateItem(td, td->m_pDropHilite, TRUE);
}

void OnLButtonDown(TreeData* td, POINT pt)
{
    UINT flags = 0;
    TreeNode* item = td->m_pFirstVisible ? HitAt(td, pt, &flags) : nullptr;
    if (!item) {
        TakeFocus(td);
        return;
    }
    if (td->m_bTracking) {
        CancelPress(td);
        TakeFocus(td);
        return;
    }
    const DWORD style = TreeStyle(td);
    const bool fullRow = (style & TVS_FULLROWSELECT) && !(style & TVS_HASLINES);
    const bool onLabel =
        flags == TVHT_ONITEMLABEL || (fullRow && (flags == TVHT_ONITEMINDENT || flags == TVHT_ONITEMRIGHT));
    if (onLabel) {
        if (!(style & TVS_DISABLEDRAGDROP)) {
            StartPress(td, item, true, pt);
        } else if (item != td->m_pCaret) {
            SelectItem(td, item, TVGN_CARET, true);
            TakeFocus(td);
        } else if (TakeFocus(td) && (style & TVS_EDITLABELS)) {
            StartEditTimer(td);
        }
    } else if (flags == TVHT_ONITEMBUTTON) {
        ExpandItem(td, item, TVE_TOGGLE, true);
        TakeFocus(td);
    } else {
        TakeFocus(td);
    }
}

void OnLButtonUp(TreeData* td)
{
    if (!td->m_bTracking)
        return;
    TreeNode* item = td->m_pDragItem;
    ReleasePress(td);
    if (item && item != td->m_pCaret) {
        SelectItem(td, item, TVGN_CARET, true);
        TakeFocus(td);
    } else if (TreeStyle(td) & TVS_EDITLABELS) {
        if (TakeFocus(td))
            StartEditTimer(td);
    }
}

void OnLButtonDblClk(TreeData* td, POINT pt)
{
    if (!td->m_pFirstVisible)
        return;
    KillTimer(td->m_hWnd, kEditTimer);
    UINT flags = 0;
    TreeNode* item = HitAt(td, pt, &flags);
    if (!item)
        return;
    const DWORD style = TreeStyle(td);
    if (flags == TVHT_ONITEMLABEL) {
        if (item != td->m_pCaret)
            SelectItem(td, item, TVGN_CARET, true);
        ExpandItem(td, item, TVE_TOGGLE, true);
    } else if (flags == TVHT_ONITEMINDENT && (style & TVS_HASLINES)) {
        // The vertical line in column c belongs to items at depth c (lines
        // at root) or c + 1 (otherwise); the ancestor it joins is toggled.
        const int column = pt.x / static_cast<int>(td->m_nIndent);
        const int depth = (style & TVS_LINESATROOT) ? column : column + 1;
        int itemDepth = Depth(item);
        if (itemDepth > depth) {
            TreeNode* ancestor = item;
            for (; itemDepth > depth; --itemDepth)
                ancestor = ParentItem(ancestor);
            ExpandItem(td, ancestor, TVE_TOGGLE, true);
        }
    }
}

void OnRButtonDown(TreeData* td, POINT pt)
{
    if (!td->m_pFirstVisible)
        return;
    UINT flags = 0;
    TreeNode* item = HitAt(td, pt, &flags);
    if (!item)
        return;
    if (td->m_bTracking) {
        if (!td->m_bLeftButton)
            return;
        TreeNode* dragItem = td->m_pDragItem;
        ReleasePress(td);
        if (dragItem && dragItem != td->m_pCaret)
            SelectItem(td, dragItem, TVGN_CARET, true);
        else if (TreeStyle(td) & TVS_EDITLABELS)
            StartEditTimer(td);
        return;
    }
    StartPress(td, item, false, pt);
}

void OnRButtonUp(TreeData* td, POINT pt)
{
    TakeFocus(td);
    if (BeyondDragThreshold(td, pt)) {
        SendMessageA(td->m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(td->m_hWnd), MessageScreenPos());
    } else {
        UINT flags = 0;
        TreeNode* item = HitAt(td, pt, &flags);
        NMTREEVIEW nm{};
        FillNotifyItem(&nm.itemNew, item, TVIF_HANDLE | TVIF_PARAM);
        if (SendTreeNotify(td, NM_RCLICK, &nm) == 0) {
            if (HWND parent = GetParent(td->m_hWnd))
                SendMessageA(parent, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(td->m_hWnd),
                             MessageScreenPos());
        }
    }
    if (td->m_bTracking)
        CancelPress(td);
}

void OnMouseMove(TreeData* td, POINT pt)
{
    if (!td->m_bTracking || !BeyondDragThreshold(td, pt))
        return;
    const bool left = td->m_bLeftButton != 0;
    TreeNode* item = td->m_pDragItem;
    if (left)
        CancelPress(td);
    const bool reported = !(TreeStyle(td) & TVS_DISABLEDRAGDROP) || !left;
    if (item && reported && GetParent(td->m_hWnd)) {
        NMTREEVIEW nm{};
        FillNotifyItem(&nm.itemNew, item, kNotifyItemMask);
        // The handle, state and parameter come without a mask.
        nm.itemNew.mask = 0;
        nm.ptDrag = pt;
        SendTreeNotify(td, left ? TVN_BEGINDRAGA : TVN_BEGINRDRAGA, &nm);
    }
    CancelPress(td);
}
