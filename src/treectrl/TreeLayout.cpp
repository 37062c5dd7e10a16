// Where items are: row of an item, item rectangles and the hit test. Rows
// are never stored; they are found by stepping the display sequence from a
// known item.
#include "treectrl/TreeLayout.h"

#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeNavigation.h"

#include "platform/Window.h"

int GetItemRow(TreeData* td, TreeNode* q)
{
    if (!q || !Displayed(q))
        return -1;
    if (td->m_nVisibleCount > 1000 && td->m_pFirstVisible) {
        const int page = GetVisibleCount(td);
        TreeNode* p = td->m_pFirstVisible;
        for (int s = 0; p && s <= 2 * (page + 1); ++s, p = NextVisible(p)) {
            if (p == q)
                return td->m_nTopIndex + s;
        }
        p = td->m_pFirstVisible;
        for (int s = 0; p && s <= page + 1; ++s, p = PrevVisible(p)) {
            if (p == q)
                return td->m_nTopIndex - s;
        }
    }
    int row = 0;
    for (TreeNode* p = td->m_root.pFirstChild; p; p = NextVisible(p), ++row) {
        if (p == q)
            return row;
    }
    return -1;
}

RECT RowRectAt(TreeData* td, int row)
{
    const RECT client = ClientRect(td);
    const int h = static_cast<int>(GetItemHeight(td));
    const int top = (row - td->m_nTopIndex) * h;
    return RECT{client.left, top, client.right, top + h};
}

BOOL GetItemRect(TreeData* td, TreeNode* q, BOOL textOnly, RECT* rect)
{
    const int row = GetItemRow(td, q);
    if (row < 0)
        return FALSE;
    RECT r = RowRectAt(td, row);
    if (textOnly) {
        MeasureContext mc(td);
        r = mc.TextRect(q, r);
    }
    *rect = r;
    return TRUE;
}

bool RowInView(TreeData* td, TreeNode* q, RECT* rowRect)
{
    // Only rows from the top row down to the partly shown one under the last
    // whole row touch the client area; farther rows are not looked for.
    if (!q)
        return false;
    const int page = GetVisibleCount(td);
    TreeNode* p = td->m_pFirstVisible;
    for (int s = 0; p && s <= page; ++s, p = NextVisible(p)) {
        if (p == q) {
            *rowRect = RowRectAt(td, td->m_nTopIndex + s);
            return rowRect->top < ClientRect(td).bottom;
        }
    }
    return false;
}

void InvalidateItem(TreeData* td, TreeNode* q, BOOL erase)
{
    // A row outside the client area would invalidate nothing.
    RECT r;
    if (RowInView(td, q, &r))
        InvalidateRect(td->m_hWnd, &r, erase);
}

TreeNode* HitTestItem(TreeData* td, TVHITTESTINFO* info)
{
    info->flags = 0;
    info->hItem = nullptr;
    const RECT client = ClientRect(td);
    const POINT pt = info->pt;
    if (!PtInRect(&client, pt)) {
        if (pt.x <= client.left)
            info->flags |= TVHT_TOLEFT;
        if (pt.x >= client.right)
            info->flags |= TVHT_TORIGHT;
        if (pt.y <= client.top)
            info->flags |= TVHT_ABOVE;
        if (pt.y >= client.bottom)
            info->flags |= TVHT_BELOW;
        return nullptr;
    }
    const int h = static_cast<int>(GetItemHeight(td));
    TreeNode* q = td->m_pFirstVisible;
    for (int row = 0; q && (row + 1) * h <= pt.y; ++row)
        q = NextVisible(q);
    if (!q) {
        info->flags = TVHT_NOWHERE;
        return nullptr;
    }

    MeasureContext mc(td);
    const int x = pt.x + td->m_nHorzPos;
    int left = client.left + mc.DepthOffset(q);
    if (x < left) {
        const bool buttons = (TreeStyle(td) & TVS_HASBUTTONS) != 0;
        info->flags = buttons && q->pFirstChild && x >= left - static_cast<int>(td->m_nIndent)
            ? TVHT_ONITEMBUTTON
            : TVHT_ONITEMINDENT;
    } else if (x < (left += mc.StateImageWidth(q))) {
        info->flags = TVHT_ONITEMSTATEICON;
    } else if (x < (left += mc.NormalImageWidth())) {
        info->flags = TVHT_ONITEMICON;
    } else if (x < left + mc.LabelWidth(q) + 4) {
        info->flags = TVHT_ONITEMLABEL;
    } else {
        info->flags = TVHT_ONITEMRIGHT;
    }
    return q;
}
