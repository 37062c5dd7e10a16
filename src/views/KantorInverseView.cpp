#include "views/KantorInverseView.h"

#include "views/KantorDocument.h"

#include "model/EntityStore.h"
#include "model/KantorDoc.h"
#include "platform/PeekMessage.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <new>

void CKantorInverseView::OnInitialUpdate()
{
    m_nShownEntity = 0;
    m_hHotItem = nullptr;
    CreateTreeControl();
    FillInverseTree();
}

void CKantorInverseView::OnUpdate(CView*, LPARAM, void*)
{
    const CKantorDoc* pDoc = GetKantorDoc();
    if (pDoc && pDoc->GetCurrentEntity() != m_nShownEntity)
        FillInverseTree();
}

BOOL CKantorInverseView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd && pMsg->hwnd == m_wndTree.GetSafeHwnd()) {
        switch (pMsg->message) {
        case WM_RBUTTONDOWN:
            m_bSkipItemMenu = false;
            break;
        case WM_RBUTTONDBLCLK:
            if (m_bItemMenuWaiting) {
                KillTimer(m_hWnd, kItemMenuTimer);
                m_bItemMenuWaiting = false;
            }
            m_bSkipItemMenu = true;
            PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
            return TRUE;
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
            break;
        default:
            break;
        }
    }
    return CEntityTreeView::PreTranslateMessage(pMsg);
}

void CKantorInverseView::FillInverseTree()
{
    const CKantorDoc* pDoc = GetKantorDoc();
    if (!pDoc)
        return;
    const std::int32_t n = pDoc->GetCurrentEntity();
    m_hHotItem = nullptr;

    SetRedraw(FALSE);
    SelectCaret(nullptr);
    TreeView_DeleteAllItems(GetTreeHwnd());
    ReleaseLabelTexts();
    m_nShownEntity = n;
    try {
        if (n == 0) {
            InsertItem(TVI_ROOT, res::LoadString(res::IDS_NO_ENTITY_SELECTED));
        } else if (pDoc->HasInverseFailed()) {
            InsertItem(TVI_ROOT, res::LoadString(res::IDS_INVERSE_NOT_KNOWN));
        } else {
            // In the list's order; a referrer that names n twice is listed twice.
            CEntityNumberArray arrReferrers;
            pDoc->GetInverseReferences(n, arrReferrers);
            const CEntityStore& store = pDoc->GetEntityMap();
            HoldLabelTexts(store);
            for (std::int32_t r : arrReferrers) {
                std::string_view strText;
                if (store.Lookup(r, strText))
                    InsertEntityItem(TVI_ROOT, r, strText);
            }
        }
    } catch (const std::bad_alloc&) {
        // Part of the referrers would pass for all of them: the tree says
        // they are not known (if even that fits), and the next update tries
        // again.
        SendTree(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        ReleaseLabelTexts();
        m_nShownEntity = -1;
        try {
            InsertItem(TVI_ROOT, res::LoadString(res::IDS_INVERSE_NOT_KNOWN));
        } catch (const std::bad_alloc&) {
        }
        SetRedraw(TRUE);
        throw;
    }
    SetRedraw(TRUE);
}

void CKantorInverseView::UnfoldItem(HTREEITEM hItem)
{
    // Unlike the upper view, redrawing stays on while the children go in.
    CEntityNumberArray arrReferences;
    if (CollectReferences(hItem, arrReferences))
        InsertReferencedEntities(hItem, arrReferences);
}

void CKantorInverseView::OnRButtonDblClk(UINT nFlags, POINT point)
{
    TVHITTESTINFO hit;
    hit.pt = point;
    HTREEITEM hItem = TreeView_HitTest(GetTreeHwnd(), &hit);
    if (!hItem || !(hit.flags & TVHT_ONITEM)) {
        Default();
        return;
    }
    SelectCaret(hItem);
    NavigateToItem(hItem);
}

void CKantorInverseView::NavigateToItem(HTREEITEM hItem)
{
    std::int32_t r = 0;
    CKantorDocument* pDocument = GetKantorDocument();
    if (pDocument && m_mapItemToEntity.Lookup(hItem, r))
        pDocument->NavigateToEntity(r);
}

bool CKantorInverseView::OnTreeKey(UINT nKey)
{
    if (nKey != VK_RETURN || GetKeyState(VK_CONTROL) < 0)
        return CEntityTreeView::OnTreeKey(nKey);
    MSG typed;
    PeekMessageA(&typed, GetTreeHwnd(), WM_CHAR, WM_CHAR, PM_REMOVE);
    if (HTREEITEM hCaret = GetNextItem(nullptr, TVGN_CARET))
        NavigateToItem(hCaret);
    return true;
}

void CKantorInverseView::ShowItemMenu(POINT ptScreen)
{
    if (m_bSkipItemMenu) {
        m_bSkipItemMenu = false;
        return;
    }
    m_ptItemMenu = ptScreen;
    m_bItemMenuWaiting = true;
    SetTimer(m_hWnd, kItemMenuTimer, GetDoubleClickTime(), nullptr);
}

void CKantorInverseView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kItemMenuTimer) {
        CEntityTreeView::OnTimer(nIDEvent);
        return;
    }
    KillTimer(m_hWnd, kItemMenuTimer);
    if (!m_bItemMenuWaiting)
        return;
    m_bItemMenuWaiting = false;
    CEntityTreeView::ShowItemMenu(m_ptItemMenu);
}

std::vector<MenuItemDesc> CKantorInverseView::ItemMenuItems(HTREEITEM hItem)
{
    std::vector<MenuItemDesc> items = CEntityTreeView::ItemMenuItems(hItem);
    items.push_back(MenuItemDesc::Command("&Go to This Entity\tEnter", res::ID_GOTO_THIS_ENTITY));
    return items;
}

void CKantorInverseView::OnItemMenuCommand(UINT nID, HTREEITEM hItem)
{
    if (nID != res::ID_GOTO_THIS_ENTITY) {
        CEntityTreeView::OnItemMenuCommand(nID, hItem);
        return;
    }
    SelectCaret(hItem);
    NavigateToItem(hItem);
}
