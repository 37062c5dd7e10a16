// Moving the caret with its notifications, the drop highlight, the first
// visible item, and bringing an item into view.
#include "treectrl/TreeSelect.h"

#include "treectrl/LabelEdit.h"
#include "treectrl/TreeExpand.h"
#include "treectrl/TreeLayout.h"
#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeNavigation.h"
#include "treectrl/TreeNotify.h"
#include "treectrl/TreeScroll.h"

#include "platform/Window.h"

namespace {

BOOL SelectCaret(TreeData* td, TreeNode* q, bool byMouse)
{
    const UINT action = byMouse ? TVC_UNKNOWN : TVC_BYKEYBOARD;
    NMTREEVIEW nm{};
    nm.action = action;
    FillNotifyItem(&nm.itemOld, td->m_pCaret, kNotifyItemMask);
    FillNotifyItem(&nm.itemNew, q, kNotifyItemMask);
    if (SendTreeNotify(td, TVN_SELCHANGINGA, &nm))
        return TRUE;

    TreeNode* oldCaret = td->m_pCaret;
    if (q != oldCaret) {
        if (oldCaret) {
            oldCaret->state &= ~TVIS_SELECTED;
            InvalidateItem(td, oldCaret, TRUE);
        }
        td->m_pCaret = q;
        AfterCaretChange(td);
        if (q) {
            q->state |= TVIS_SELECTED;
            EnsureItemVisible(td, q, byMouse || !td->m_bRedraw);
            InvalidateItem(td, q, FALSE);
            // Scrolling waits until no double click can follow, so that its
            // second click lands on the same row.
            if (byMouse)
                SetTimer(td->m_hWnd, kScrollTimer, GetDoubleClickTime(), nullptr);
        }
    }

    NMTREEVIEW changed{};
    changed.action = action;
    FillNotifyItem(&changed.itemOld, oldCaret, kNotifyItemMask);
    FillNotifyItem(&changed.itemNew, td->m_pCaret, kNotifyItemMask);
    SendTreeNotify(td, TVN_SELCHANGEDA, &changed);
    return TRUE;
}

void SelectDropHilite(TreeData* td, TreeNode* q)
{
    TreeNode*& slot = td->m_bTracking ? td->m_pPressed : td->m_pDropHilite;
    if (slot == q)
        return;
    TreeNode* previous = slot;
    slot = q;
    for (TreeNode* item : {previous, td->m_pDropHilite, td->m_pCaret, td->m_pPressed}) {
        if (item)
            InvalidateItem(td, item, FALSE);
    }
    UpdateWindow(td->m_hWnd);
}

// q, or its outermost collapsed ancestor when q is hidden.
TreeNode* DisplayedSelfOrAncestor(TreeNode* q)
{
    TreeNode* shown = q;
    for (TreeNode* p = ParentItem(q); p; p = ParentItem(p)) {
        if (!IsExpanded(p))
            shown = p;
    }
    return shown;
}

} // namespace

void AfterCaretChange(TreeData* td)
{
    KillTimer(td->m_hWnd, kScrollTimer);
    KillTimer(td->m_hWnd, kEditTimer);
    CancelLabelEdit(td);
}

BOOL SelectItem(TreeData* td, TreeNode* q, WPARAM code, bool byMouse)
{
    switch (code) {
    case TVGN_CARET:
        return SelectCaret(td, q, byMouse);
    case TVGN_DROPHILITE:
        SelectDropHilite(td, q);
        return TRUE;
    case TVGN_FIRSTVISIBLE: {
        // Without an item the top row stays; only the caret goes.
        const bool hidden = q && !Displayed(q);
        TreeNode* const oldTop = td->m_pFirstVisible;
        const int oldTopIndex = td->m_nTopIndex;
        if (q) {
            td->m_pFirstVisible = nullptr;
            SetFirstVisible(td, q);
        }
        SelectCaret(td, q, false);
        // A hidden item gets its rows only while it is being selected: the
        // top row's index is taken again afterwards, and if the item stayed
        // hidden its outermost collapsed ancestor takes the top row.
        if (hidden) {
            TreeNode* top = td->m_pFirstVisible == q ? DisplayedSelfOrAncestor(q) : td->m_pFirstVisible;
            td->m_pFirstVisible = nullptr;
            SetFirstVisible(td, top);
        }
        // Every row shows another item when the top moved.
        const bool moved = td->m_pFirstVisible != oldTop || td->m_nTopIndex != oldTopIndex;
        if (moved && td->m_bRedraw && !UpdateScrollBars(td))
            InvalidateRect(td->m_hWnd, nullptr, TRUE);
        return TRUE;
    }
    default:
        return TRUE;
    }
}

BOOL EnsureItemVisible(TreeData* td, TreeNode* q, bool noScroll)
{
    if (!q)
        return FALSE;
    for (TreeNode* a = ParentItem(q); a; a = ParentItem(a)) {
        if (!IsExpanded(a) && !ExpandItem(td, a, TVE_EXPAND, true))
            return FALSE;
    }
    if (noScroll)
        return TRUE;
    const int rowIndex = GetItemRow(td, q);
    const RECT row = rowIndex >= 0 ? RowRectAt(td, rowIndex) : RECT{};
    TreeNode* t = GetTopToShow(td, ClientRect(td), q, row);
    if (t && t != td->m_pFirstVisible) {
        // t is q or the item page - 1 rows before it.
        SetFirstVisibleAt(td, t, t == q ? rowIndex : rowIndex - (GetVisibleCount(td) - 1));
        if (td->m_bRedraw && !UpdateScrollBars(td))
            InvalidateRect(td->m_hWnd, nullptr, TRUE);
    }
    return TRUE;
}
