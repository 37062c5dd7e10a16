// The search over the labels of the upper tree's visible items, downwards
// or upwards from the selection, with wrap-around.
#include "views/KantorView.h"

#include "views/KantorDocument.h"
#include "views/SearchDlg.h"

#include "model/KantorDoc.h"

#include "platform/Cp1252Case.h"
#include <new>

void CKantorView::OnSearch()
{
    // A new dialog each time: it opens empty, with "Down" checked.
    CSearchDlg dlg;
    if (dlg.DoModal() != IDOK)
        return;
    m_strSearch = dlg.m_strFindWhat;
    m_bSearchDown = dlg.m_nDirection == 1;
    OnSearchAgain();
}

void CKantorView::OnSearchAgain()
{
    if (m_strSearch.empty())
        return;
    if (m_bSearchDown)
        SearchDown(m_strSearch);
    else
        SearchUp(m_strSearch);
}

bool CKantorView::MatchItemText(std::string_view strLabel, std::string_view strSearch)
{
    if (!m_bIgnoreCase)
        return strLabel.find(strSearch) != std::string_view::npos;
    UpperCase1252(strLabel, m_strMatchLabel);
    UpperCase1252(strSearch, m_strMatchSearch);
    return m_strMatchLabel.find(m_strMatchSearch) != std::string::npos;
}

bool CKantorView::SearchDown(std::string_view strSearch)
{
    if (TreeView_GetCount(GetTreeHwnd()) == 0)
        return false;
    HTREEITEM hFirst = GetNextItem(nullptr, TVGN_ROOT);
    HTREEITEM hCurrent = GetNextItem(nullptr, TVGN_CARET);
    if (!hCurrent)
        hCurrent = hFirst;
    HTREEITEM hStart = GetNextItem(hCurrent, TVGN_NEXTVISIBLE);

    for (HTREEITEM hItem = hStart; hItem; hItem = GetNextItem(hItem, TVGN_NEXTVISIBLE)) {
        if (MatchItemText(GetItemLabel(hItem), strSearch)) {
            SelectFoundItem(hItem);
            return true;
        }
    }
    if (hFirst == hStart)
        return false;
    // From the top down to the selected item, which is tested last.
    for (HTREEITEM hItem = hFirst; hItem && hItem != hStart; hItem = GetNextItem(hItem, TVGN_NEXTVISIBLE)) {
        if (MatchItemText(GetItemLabel(hItem), strSearch)) {
            SelectFoundItem(hItem);
            return true;
        }
    }
    return false;
}

bool CKantorView::SearchUp(std::string_view strSearch)
{
    if (TreeView_GetCount(GetTreeHwnd()) == 0)
        return false;
    HTREEITEM hCurrent = GetNextItem(nullptr, TVGN_CARET);
    if (!hCurrent)
        hCurrent = m_hLastRootItem;
    HTREEITEM hStart = GetNextItem(hCurrent, TVGN_PREVIOUSVISIBLE);

    for (HTREEITEM hItem = hStart; hItem; hItem = GetNextItem(hItem, TVGN_PREVIOUSVISIBLE)) {
        if (MatchItemText(GetItemLabel(hItem), strSearch)) {
            SelectFoundItem(hItem);
            return true;
        }
    }
    if (m_hLastRootItem == hStart)
        return false;
    // The wrap-around starts at the last root item, not at the last visible
    // item: children shown below it are tested only above the selection.
    for (HTREEITEM hItem = m_hLastRootItem; hItem && hItem != hStart;
         hItem = GetNextItem(hItem, TVGN_PREVIOUSVISIBLE)) {
        if (MatchItemText(GetItemLabel(hItem), strSearch)) {
            SelectFoundItem(hItem);
            return true;
        }
    }
    return false;
}

void CKantorView::SelectFoundItem(HTREEITEM hItem)
{
    // The entity first, so that the lower view refills before the upper
    // tree's selection notice finds the number unchanged. A hit on another
    // entity is a jump that Back returns from. Out of memory while the lower
    // view refills, the item is selected all the same: the selection and the
    // current entity never part.
    try {
        if (CKantorDocument* pDocument = GetKantorDocument()) {
            const std::int32_t n = EntityOfItem(hItem);
            if (n != pDocument->GetKantorDoc().GetCurrentEntity())
                pDocument->NoteJump();
            pDocument->GetKantorDoc().SetCurrentEntity(n, static_cast<const CView*>(this));
        }
    } catch (const std::bad_alloc&) {
        SelectCaret(hItem);
        throw;
    }
    SelectCaret(hItem);
}
