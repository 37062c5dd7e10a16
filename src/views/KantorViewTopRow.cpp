// The upper tree's top row, read and put back by entity, so that a place
// the user returns to shows the rows it showed.
#include "views/KantorView.h"

void CKantorView::GetTopRow(std::int32_t& nTopEntity, int& nRowsBelow)
{
    nTopEntity = -1;
    nRowsBelow = 0;
    HTREEITEM hTop = GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
    if (!hTop)
        return;
    HTREEITEM hRoot = hTop;
    while (HTREEITEM hParent = GetNextItem(hRoot, TVGN_PARENT))
        hRoot = hParent;
    std::int32_t n = 0;
    if (!m_mapItemToEntity.Lookup(hRoot, n))
        return;
    nTopEntity = n;
    for (HTREEITEM hItem = hRoot; hItem && hItem != hTop; hItem = GetNextItem(hItem, TVGN_NEXTVISIBLE))
        ++nRowsBelow;
}

void CKantorView::SetTopRow(std::int32_t nTopEntity, int nRowsBelow)
{
    HTREEITEM hItem = nullptr;
    if (nTopEntity < 0 || !m_mapEntityToItem.Lookup(nTopEntity, hItem))
        return;
    for (int i = 0; i < nRowsBelow; ++i) {
        HTREEITEM hNext = GetNextItem(hItem, TVGN_NEXTVISIBLE);
        // The next root: the rows below this one are not shown any more.
        if (!hNext || !GetNextItem(hNext, TVGN_PARENT))
            break;
        hItem = hNext;
    }
    // The control scrolls an item below the rows in view into the last whole
    // row and one above them into the top row: the item a page further down
    // first, then the item itself.
    const int nPage = static_cast<int>(TreeView_GetVisibleCount(GetTreeHwnd()));
    HTREEITEM hPageEnd = hItem;
    for (int i = 1; i < nPage; ++i) {
        HTREEITEM hNext = GetNextItem(hPageEnd, TVGN_NEXTVISIBLE);
        if (!hNext)
            break;
        hPageEnd = hNext;
    }
    SetRedraw(FALSE);
    TreeView_EnsureVisible(GetTreeHwnd(), hPageEnd);
    TreeView_EnsureVisible(GetTreeHwnd(), hItem);
    SetRedraw(TRUE);
}
