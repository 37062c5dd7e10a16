// Scroll positions and bars: the first visible item and its row index,
// the scroll-bar update, the scroll commands and redraw suppression.
#include "treectrl/TreeScroll.h"

#include "treectrl/TreeExtent.h"
#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeNavigation.h"

#include "platform/Window.h"

#include <algorithm>

namespace {

void SetBarIfChanged(HWND hwnd, int bar, int max, int page, int pos)
{
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    const bool known = GetScrollInfo(hwnd, bar, &si);
    if (known && si.nMin == 0 && si.nMax == max && si.nPage == static_cast<UINT>(page) && si.nPos == pos)
        return;
    SCROLLINFO wanted;
    wanted.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    wanted.nMin = 0;
    wanted.nMax = max;
    wanted.nPage = static_cast<UINT>(page);
    wanted.nPos = pos;
    SetScrollInfo(hwnd, bar, &wanted, TRUE);
}

} // namespace

void RedrawAll(TreeData* td)
{
    RedrawWindow(td->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL UpdateScrollBars(TreeData* td)
{
    const BYTE outer = td->m_bInScrollUpdate;
    td->m_bInScrollUpdate = 1;
    RecalcHorzExtent(td);
    SetBarIfChanged(td->m_hWnd, SB_VERT, std::max(td->m_nVisibleCount - 1, 0), GetVisibleCount(td),
                    td->m_nTopIndex);
    SetBarIfChanged(td->m_hWnd, SB_HORZ, std::max(td->m_nHorzExtent - 1, 0), ClientRect(td).right,
                    td->m_nHorzPos);
    td->m_bInScrollUpdate = outer;
    if (!outer && td->m_bRedrawPending) {
        td->m_bRedrawPending = 0;
        RedrawAll(td);
        return TRUE;
    }
    return FALSE;
}

void SetFirstVisible(TreeData* td, TreeNode* t)
{
    TreeNode* old = td->m_pFirstVisible;
    TreeNode* top = td->m_root.pFirstChild;
    if (!old) {
        td->m_nTopIndex = 0;
        old = top;
    }
    if (!t) {
        td->m_pFirstVisible = nullptr;
        return;
    }
    // Walk back from t over preceding siblings (with their displayed rows)
    // and up through parents, until the old first visible item (the index
    // moves by the rows passed) or the first top-level item (it is absolute).
    int n = 0;
    TreeNode* cur = t;
    TreeNode* last = t;
    for (;;) {
        bool climbed = false;
        if (!cur) {
            cur = ParentItem(last);
            if (!cur)
                break;
            climbed = true;
        }
        if (!climbed && cur != t)
            n += DisplayedRowsBelow(cur);
        if (cur == old) {
            td->m_pFirstVisible = t;
            td->m_nTopIndex += n;
            return;
        }
        if (cur == top)
            break;
        ++n;
        last = cur;
        cur = cur->pPrev;
    }
    if (cur == old)
        td->m_nTopIndex += n;
    else
        td->m_nTopIndex = n;
    td->m_pFirstVisible = t;
}

void SetFirstVisibleAt(TreeData* td, TreeNode* t, int row)
{
    td->m_pFirstVisible = t;
    td->m_nTopIndex = t ? row : 0;
}

TreeNode* GetPullUpTop(TreeData* td, int* row)
{
    int n = td->m_nTopIndex + GetVisibleCount(td) - td->m_nVisibleCount;
    int reached = td->m_nTopIndex;
    TreeNode* p = td->m_pFirstVisible;
    for (; p && n > 0; --n) {
        TreeNode* prev = PrevVisible(p);
        if (!prev)
            break;
        p = prev;
        --reached;
    }
    if (row)
        *row = reached;
    return p;
}

TreeNode* GetTopToShow(TreeData* td, const RECT& client, TreeNode* q, const RECT& row)
{
    if (row.top < client.top)
        return q;
    if (row.bottom < client.bottom)
        return nullptr;
    const int page = GetVisibleCount(td);
    TreeNode* p = q;
    for (int i = 0; p && i < page - 1; ++i)
        p = PrevVisible(p);
    return p;
}

void ScrollTo(TreeData* td, int bar, int value, int page)
{
    HWND hwnd = td->m_hWnd;
    SCROLLINFO si;
    si.fMask = SIF_POS;
    if (bar == SB_HORZ) {
        value = std::max(std::min(value, td->m_nHorzExtent - page), 0);
        if (value == td->m_nHorzPos)
            return;
        si.nPos = value;
        SetScrollInfo(hwnd, SB_HORZ, &si, TRUE);
        ScrollWindow(hwnd, td->m_nHorzPos - value, 0, nullptr, nullptr);
        td->m_nHorzPos = value;
        UpdateWindow(hwnd);
        return;
    }
    // A client lower than one row still keeps an item in the top row.
    value = std::max(std::min(value, td->m_nVisibleCount - std::max(page, 1)), 0);
    if (value == td->m_nTopIndex || !td->m_pFirstVisible)
        return;
    si.nPos = value;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
    const int d = td->m_nTopIndex - value;
    while (td->m_nTopIndex < value) {
        td->m_pFirstVisible = NextVisible(td->m_pFirstVisible);
        ++td->m_nTopIndex;
    }
    while (td->m_nTopIndex > value) {
        td->m_pFirstVisible = PrevVisible(td->m_pFirstVisible);
        --td->m_nTopIndex;
    }
    ScrollWindow(hwnd, 0, d * static_cast<int>(GetItemHeight(td)), nullptr, nullptr);
    UpdateWindow(hwnd);
}

void ScrollVertTo(TreeData* td, int row)
{
    ScrollTo(td, SB_VERT, row, GetVisibleCount(td));
}

LRESULT ScrollBy(TreeData* td, int bar, int code)
{
    const bool vertical = bar == SB_VERT;
    const int page = vertical ? GetVisibleCount(td) : ClientRect(td).right;
    const int current = vertical ? td->m_nTopIndex : td->m_nHorzPos;
    int value = current;
    switch (code) {
    case SB_LINEUP:
        value = current - 1;
        break;
    case SB_LINEDOWN:
        value = current + 1;
        break;
    case SB_PAGEUP:
        value = current + 1 - page;
        break;
    case SB_PAGEDOWN:
        value = current + page - 1;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        // The bar's own tracking position is not limited to 16 bits.
        SCROLLINFO si;
        si.fMask = SIF_ALL;
        if (!GetScrollInfo(td->m_hWnd, bar, &si))
            return 1;
        value = si.nTrackPos;
        break;
    }
    default:
        break;
    }
    ScrollTo(td, bar, value, page);
    return 0;
}

void OnMouseWheel(TreeData* td, WPARAM wParam)
{
    const int rows = GET_WHEEL_DELTA_WPARAM(wParam) * 3 / WHEEL_DELTA;
    ScrollVertTo(td, td->m_nTopIndex - rows);
}

void OnSize(TreeData* td, WPARAM type)
{
    if (type != SIZE_RESTORED || !td->m_bRedraw || UpdateScrollBars(td))
        return;
    if (td->m_bInScrollUpdate)
        td->m_bRedrawPending = 1;
    else
        RedrawAll(td);
}

void OnSetRedraw(TreeData* td, BOOL on)
{
    td->m_bRedraw = on ? 1 : 0;
    if (td->m_bRedraw && !UpdateScrollBars(td))
        RedrawAll(td);
}
