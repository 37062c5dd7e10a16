// Expanding and collapsing an item: the expanding/expanded notifications,
// row counting after the parent had its say, the scrolling that keeps the
// new rows or the collapsed item in view, and the caret hand-over when a
// collapse hides it.
#include "treectrl/TreeExpand.h"

#include "treectrl/LabelEdit.h"
#include "treectrl/TreeExtent.h"
#include "treectrl/TreeLayout.h"
#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeMouse.h"
#include "treectrl/TreeNavigation.h"
#include "treectrl/TreeNotify.h"
#include "treectrl/TreeScroll.h"
#include "treectrl/TreeSelect.h"

#include "platform/Window.h"

namespace {

UINT NewExpandedState(UINT state, UINT code)
{
    switch (code) {
    case TVE_COLLAPSE:
        return state & ~TVIS_EXPANDED;
    case TVE_EXPAND:
        return state | TVIS_EXPANDED;
    case TVE_TOGGLE:
        return state ^ TVIS_EXPANDED;
    default:
        return state;
    }
}

// Where the top row goes when q (at row qRow) opened n rows, and its row;
// null: no scrolling.
TreeNode* TopAfterExpand(TreeData* td, TreeNode* q, int qRow, int n, int* row)
{
    const int page = GetVisibleCount(td);
    if (page <= n + 1) {
        *row = qRow;
        return q;
    }
    TreeNode* last = q;
    for (int i = 0; i < n && last; ++i)
        last = NextVisible(last);
    TreeNode* p = last;
    for (int s = 0; p && s < page - 1; ++s) {
        if (p == td->m_pFirstVisible)
            return nullptr;
        p = PrevVisible(p);
    }
    if (p == td->m_pFirstVisible)
        return nullptr;
    *row = qRow + n - (page - 1);
    return p;
}

void ClearSelectedBelow(TreeData* td, TreeNode* q)
{
    TreeNode* p = q->pFirstChild;
    while (p) {
        if (p != td->m_pCaret)
            p->state &= ~TVIS_SELECTED;
        if (p->pFirstChild) {
            p = p->pFirstChild;
            continue;
        }
        while (p != q && !p->pNext)
            p = p->pParent;
        if (p == q)
            break;
        p = p->pNext;
    }
}

// The caret was inside the collapsed subtree of q: it moves to q.
void HandCaretTo(TreeData* td, TreeNode* q, bool notify)
{
    TreeNode* oldCaret = td->m_pCaret;
    if (notify) {
        NMTREEVIEW nm{};
        nm.action = TVC_UNKNOWN;
        FillNotifyItem(&nm.itemOld, oldCaret, kNotifyItemMask);
        FillNotifyItem(&nm.itemNew, q, kNotifyItemMask);
        if (SendTreeNotify(td, TVN_SELCHANGINGA, &nm)) {
            oldCaret->state &= ~TVIS_SELECTED;
            td->m_pCaret = nullptr;
            AfterCaretChange(td);
            return;
        }
    }
    oldCaret->state &= ~TVIS_SELECTED;
    td->m_pCaret = q;
    AfterCaretChange(td);
    q->state |= TVIS_SELECTED;
    if (notify) {
        NMTREEVIEW nm{};
        nm.action = TVC_UNKNOWN;
        FillNotifyItem(&nm.itemOld, oldCaret, kNotifyItemMask);
        FillNotifyItem(&nm.itemNew, q, kNotifyItemMask);
        SendTreeNotify(td, TVN_SELCHANGEDA, &nm);
    }
}

} // namespace

BOOL ExpandItem(TreeData* td, TreeNode* q, UINT code, bool notify)
{
    const UINT newState = NewExpandedState(q->state, code);
    if (newState == q->state)
        return FALSE;
    NMTREEVIEW record{};
    record.action = code;
    FillNotifyItem(&record.itemNew, q, kNotifyItemMask);
    if (notify) {
        NMTREEVIEW nm = record;
        if (SendTreeNotify(td, TVN_ITEMEXPANDINGA, &nm))
            return FALSE;
    }
    const bool expanded = (newState & TVIS_EXPANDED) != 0;
    q->state = (q->state & ~TVIS_EXPANDED) | (newState & TVIS_EXPANDED);

    const int depth = Depth(q);
    if (q->pFirstChild && Displayed(q)) {
        KillTimer(td->m_hWnd, kEditTimer);
        CancelLabelEdit(td);
        const RECT client = ClientRect(td);
        // q's row does not depend on q's own state; where it is used to
        // place the top row below, q is not above the top row, or the top row
        // lies inside q's subtree: both found exactly by the row search.
        const int qRow = GetItemRow(td, q);
        const RECT row = RowRectAt(td, qRow);
        TreeNode* newTop = nullptr;
        int newTopRow = -1;
        bool topChanged = false;
        bool scrolledAbove = false;
        if (expanded) {
            const int n = ForEachRowBelow(q, depth, [td](TreeNode* p, int d) { ExtentItemShown(td, p, d); });
            td->m_nVisibleCount += n;
            if (row.top < client.top) {
                td->m_nTopIndex += n;
                scrolledAbove = true;
            } else {
                newTop = TopAfterExpand(td, q, qRow, n, &newTopRow);
            }
        } else {
            const int page = GetVisibleCount(td);
            const int n = ForEachRowBelow(q, depth, [td](TreeNode* p, int d) { ExtentItemHidden(td, p, d); });
            td->m_nVisibleCount -= n;
            bool topHandled = false;
            if (td->m_pFirstVisible != q && InSubtree(td->m_pFirstVisible, q)) {
                SetFirstVisibleAt(td, q, qRow);
                topHandled = true;
            }
            if (row.top < client.top && !topHandled)
                td->m_nTopIndex -= n;
            if (td->m_nTopIndex + page > td->m_nVisibleCount) {
                newTop = GetPullUpTop(td, &newTopRow);
            } else {
                // q above the top row: its row is looked up again now that
                // the counters agree; below: the top goes page - 1 rows back.
                newTop = GetTopToShow(td, client, q, row);
                if (newTop)
                    newTopRow = newTop == q ? GetItemRow(td, q) : qRow - (page - 1);
            }
            ClearSelectedBelow(td, q);
            if (td->m_pCaret && td->m_pCaret != q && InSubtree(td->m_pCaret, q))
                HandCaretTo(td, q, notify);
            if (td->m_pPressed && td->m_pPressed != q && InSubtree(td->m_pPressed, q))
                ReleasePress(td);
        }
        if (!scrolledAbove && newTop && newTop != td->m_pFirstVisible) {
            if (newTopRow >= 0) {
                SetFirstVisibleAt(td, newTop, newTopRow);
            } else {
                td->m_pFirstVisible = nullptr;
                SetFirstVisible(td, newTop);
            }
            topChanged = true;
        }
        if (td->m_bRedraw && !UpdateScrollBars(td)) {
            RECT now{};
            if (topChanged) {
                InvalidateRect(td->m_hWnd, nullptr, TRUE);
            } else if (RowInView(td, q, &now)) {
                RECT below{client.left, now.top, client.right, client.bottom};
                InvalidateRect(td->m_hWnd, &below, TRUE);
            }
        }
    }

    if (notify) {
        NMTREEVIEW nm = record;
        SendTreeNotify(td, TVN_ITEMEXPANDEDA, &nm);
    }
    return TRUE;
}
