#include "views/KantorView.h"

#include "views/KantorDocument.h"

#include "model/KantorDoc.h"
#include "res/Resource.h"

#include <new>

BEGIN_MESSAGE_MAP(CKantorView, CEntityTreeView)
ON_NOTIFY(TVN_SELCHANGED, CEntityTreeView::kTreeCtrlId, &CKantorView::OnSelChanged)
ON_COMMAND(res::ID_SEARCH, &CKantorView::OnSearch)
ON_COMMAND(res::ID_SEARCH_AGAIN, &CKantorView::OnSearchAgain)
END_MESSAGE_MAP()

void CKantorView::OnInitialUpdate()
{
    m_hHotItem = nullptr;
    CreateTreeControl();
    BuildTree();
    // The framework's own initial update: one update step, which selects
    // the header item after a load.
    CEntityTreeView::OnInitialUpdate();
}

void CKantorView::OnUpdate(CView*, LPARAM, void*)
{
    const CKantorDoc* pDoc = GetKantorDoc();
    HTREEITEM hItem = nullptr;
    if (pDoc && m_mapEntityToItem.Lookup(pDoc->GetCurrentEntity(), hItem)
        && hItem != GetNextItem(nullptr, TVGN_CARET))
        SelectCaret(hItem);
}

BOOL CKantorView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd && pMsg->hwnd == m_wndTree.GetSafeHwnd()) {
        switch (pMsg->message) {
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
            return TRUE;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            NoteClickJump(POINT{GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam)});
            break;
        default:
            break;
        }
    }
    return CEntityTreeView::PreTranslateMessage(pMsg);
}

void CKantorView::NoteClickJump(POINT point)
{
    // The tree selects an item whose label is clicked; before it does, the
    // place left is recorded when the item is of another entity.
    TVHITTESTINFO hit;
    hit.pt = point;
    HTREEITEM hItem = reinterpret_cast<HTREEITEM>(SendTree(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    CKantorDocument* pDocument = GetKantorDocument();
    if (pDocument && hItem && (hit.flags & TVHT_ONITEMLABEL) && hItem != GetNextItem(nullptr, TVGN_CARET)
        && EntityOfItem(hItem) != pDocument->GetKantorDoc().GetCurrentEntity())
        pDocument->NoteJump();
}

void CKantorView::UnfoldItem(HTREEITEM hItem)
{
    CEntityNumberArray arrReferences;
    if (!CollectReferences(hItem, arrReferences))
        return;
    SetRedraw(FALSE);
    try {
        InsertReferencedEntities(hItem, arrReferences);
    } catch (const std::bad_alloc&) {
        SetRedraw(TRUE);
        throw;
    }
    SetRedraw(TRUE);
}

void CKantorView::OnSelChanged(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* pTreeView = reinterpret_cast<const NMTREEVIEW*>(pNotifyStruct);
    if (CKantorDoc* pDoc = GetKantorDoc())
        pDoc->SetCurrentEntity(EntityOfItem(pTreeView->itemNew.hItem), static_cast<const CView*>(this));
    *pResult = 0;
}
