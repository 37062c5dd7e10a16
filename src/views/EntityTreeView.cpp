#include "views/EntityTreeView.h"

#include "views/KantorDocument.h"

#include "framework/PaintDC.h"
#include "model/EntityStore.h"
#include "model/KantorDoc.h"
#include "res/Resource.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

BEGIN_MESSAGE_MAP(CEntityTreeView, CView)
ON_NOTIFY(TVN_ITEMEXPANDING, CEntityTreeView::kTreeCtrlId, &CEntityTreeView::OnItemExpanding)
ON_NOTIFY(TVN_ENDLABELEDIT, CEntityTreeView::kTreeCtrlId, &CEntityTreeView::OnEndLabelEdit)
ON_COMMAND(res::ID_EDIT_COPY, &CEntityTreeView::OnEditCopy)
ON_UPDATE_COMMAND_UI(res::ID_EDIT_COPY, &CEntityTreeView::OnUpdateEditCopy)
ON_COMMAND(res::ID_COPY_ENTITY_NAME, &CEntityTreeView::OnCopyEntityName)
ON_UPDATE_COMMAND_UI(res::ID_COPY_ENTITY_NAME, &CEntityTreeView::OnUpdateCopyEntityName)
ON_MESSAGE(WM_CONTEXTMENU, &CEntityTreeView::OnContextMenu)
END_MESSAGE_MAP()

CKantorDocument* CEntityTreeView::GetKantorDocument() const
{
    return dynamic_cast<CKantorDocument*>(GetDocument());
}

CKantorDoc* CEntityTreeView::GetKantorDoc() const
{
    CKantorDocument* pDocument = GetKantorDocument();
    return pDocument ? &pDocument->GetKantorDoc() : nullptr;
}

void CEntityTreeView::CreateTreeControl()
{
    SetCursor(LoadStandardCursor(StandardCursor::Wait));
    if (!m_wndTree.GetSafeHwnd()) {
        RECT rect;
        GetClientRect(&rect);
        m_wndTree.Create(kTreeStyle, rect, m_hWnd, kTreeCtrlId);
        // The views do not follow deletions item by item.
        SendTree(TVM_SETDELETENOTIFY, FALSE);
        m_mapItemToEntity.Attach(m_wndTree.GetSafeHwnd());
    }
    SetCursor(LoadStandardCursor(StandardCursor::Arrow));
}

HTREEITEM CEntityTreeView::InsertItem(HTREEITEM hParent, std::string_view strLabel, LPARAM lParam)
{
    m_strInsertLabel.assign(strLabel);
    TVINSERTSTRUCT insert;
    insert.hParent = hParent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = lParam ? TVIF_TEXT | TVIF_PARAM : TVIF_TEXT;
    insert.item.pszText = m_strInsertLabel.data();
    insert.item.lParam = lParam;
    // The views insert only under items that exist: the control fails an
    // insertion for lack of memory alone, which fails the whole operation.
    HTREEITEM hItem = TreeView_InsertItem(GetTreeHwnd(), &insert);
    if (!hItem)
        throw std::bad_alloc();
    return hItem;
}

HTREEITEM CEntityTreeView::InsertEntityItem(HTREEITEM hParent, std::int32_t n, std::string_view strText)
{
    // The loader leaves no zero byte in a text (where a copied label would
    // end): the whole text is the label.
    TVINSERTSTRUCT insert;
    insert.hParent = hParent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_TEXTREF | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(strText.data());
    insert.item.cchTextMax = static_cast<int>(std::min<std::size_t>(strText.size(), INT_MAX));
    insert.item.lParam = CItemEntityMap::ParamOf(n);
    HTREEITEM hItem = TreeView_InsertItem(GetTreeHwnd(), &insert);
    if (!hItem)
        throw std::bad_alloc();
    return hItem;
}

void CEntityTreeView::HoldLabelTexts(const CEntityStore& store)
{
    std::shared_ptr<const void> pTexts = store.GetTextOwner();
    if (pTexts && (m_aLabelTexts.empty() || m_aLabelTexts.back() != pTexts))
        m_aLabelTexts.push_back(std::move(pTexts));
}

HTREEITEM CEntityTreeView::GetNextItem(HTREEITEM hItem, WPARAM nCode) const
{
    return TreeView_GetNextItem(GetTreeHwnd(), hItem, static_cast<UINT>(nCode));
}

void CEntityTreeView::SelectCaret(HTREEITEM hItem) const
{
    TreeView_SelectItem(GetTreeHwnd(), hItem);
}

void CEntityTreeView::SetRedraw(BOOL bRedraw) const
{
    SendTree(WM_SETREDRAW, static_cast<WPARAM>(bRedraw));
}

std::string_view CEntityTreeView::GetItemLabel(HTREEITEM hItem)
{
    return TreeView_GetItemLabel(GetTreeHwnd(), hItem, m_aLabelBuffer);
}

std::int32_t CEntityTreeView::EntityOfItem(HTREEITEM hItem) const
{
    std::int32_t n = 0;
    m_mapItemToEntity.Lookup(hItem, n);
    return n;
}

bool CEntityTreeView::CollectReferences(HTREEITEM hItem, CEntityNumberArray& arrReferences)
{
    // Children stay until the next build: an item is unfolded once.
    TVITEM item;
    item.mask = TVIF_CHILDREN;
    item.hItem = hItem;
    TreeView_GetItem(GetTreeHwnd(), &item);
    if (item.cChildren != 0)
        return false;
    CKantorDoc::ExtractReferences(GetItemLabel(hItem), arrReferences);
    return !arrReferences.IsEmpty();
}

void CEntityTreeView::InsertReferencedEntities(HTREEITEM hItem, const CEntityNumberArray& arrReferences)
{
    const CKantorDoc* pDoc = GetKantorDoc();
    if (!pDoc)
        return;
    const CEntityStore& store = pDoc->GetEntityMap();
    HoldLabelTexts(store);
    try {
        for (std::int32_t r : arrReferences) {
            std::string_view strText;
            if (r != 0 && store.Lookup(r, strText))
                InsertEntityItem(hItem, r, strText);
        }
    } catch (const std::bad_alloc&) {
        // Some of the references only would pass for all of them.
        DeleteChildren(hItem);
        throw;
    }
}

void CEntityTreeView::DeleteChildren(HTREEITEM hItem)
{
    while (HTREEITEM hChild = GetNextItem(hItem, TVGN_CHILD))
        SendTree(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hChild));
}

void CEntityTreeView::ExpandItem(HTREEITEM hItem)
{
    // TVM_EXPAND sends no expanding notice: the children go in first.
    UnfoldItem(hItem);
    TreeView_Expand(GetTreeHwnd(), hItem, TVE_EXPAND);
}

void CEntityTreeView::OnSize(UINT nType, int cx, int cy)
{
    Default();
    if (HWND hTree = m_wndTree.GetSafeHwnd()) {
        RECT rect;
        GetClientRect(&rect);
        ::MoveWindow(hTree, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    }
}

void CEntityTreeView::OnPaint()
{
    // The tree covers the view; there is nothing of its own to draw.
    CPaintDC dc(m_hWnd);
}

void CEntityTreeView::OnSetFocus(HWND)
{
    // A view made active (F6, a click, the end of a dialog) takes the focus;
    // the keys are meant for its tree.
    if (HWND hTree = m_wndTree.GetSafeHwnd())
        ::SetFocus(hTree);
}

void CEntityTreeView::OnMouseMove(UINT nFlags, POINT point)
{
    if (!m_wndTree.GetSafeHwnd()) {
        Default();
        return;
    }
    TVHITTESTINFO hit;
    hit.pt = point;
    HTREEITEM hItem = TreeView_HitTest(GetTreeHwnd(), &hit);
    if (!m_bTrackingLeave) {
        m_bTrackingLeave = true;
        TrackLeave(TME_LEAVE);
    }
    if (m_hHotItem) {
        SetBold(m_hHotItem, false);
        m_hHotItem = nullptr;
    }
    if (hItem && (hit.flags & TVHT_ONITEM)) {
        SetBold(hItem, true);
        m_hHotItem = hItem;
    }
    Default();
}

void CEntityTreeView::OnMouseLeave()
{
    if (m_hHotItem) {
        SetBold(m_hHotItem, false);
        m_hHotItem = nullptr;
    }
    if (m_bTrackingLeave) {
        // The delivered leave has ended the tracking already.
        m_bTrackingLeave = false;
        TrackLeave(TME_CANCEL);
    }
}

void CEntityTreeView::OnItemExpanding(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    // TVE_TOGGLE contains the expand bit; a toggle that collapses an
    // unfolded item finds children and adds nothing.
    const auto* pTreeView = reinterpret_cast<const NMTREEVIEW*>(pNotifyStruct);
    if (pTreeView->action & TVE_EXPAND)
        UnfoldItem(pTreeView->itemNew.hItem);
    *pResult = 0;
}

void CEntityTreeView::OnEndLabelEdit(NMHDR*, LRESULT* pResult)
{
    *pResult = 1;
}

void CEntityTreeView::SetBold(HTREEITEM hItem, bool bBold) const
{
    TVITEM item;
    item.mask = TVIF_STATE;
    item.hItem = hItem;
    item.state = bBold ? TVIS_BOLD : 0;
    item.stateMask = TVIS_BOLD;
    TreeView_SetItem(GetTreeHwnd(), &item);
}

void CEntityTreeView::TrackLeave(DWORD dwFlags) const
{
    TRACKMOUSEEVENT track;
    track.dwFlags = dwFlags;
    track.hwndTrack = m_wndTree.GetSafeHwnd();
    track.dwHoverTime = HOVER_DEFAULT;
    TrackMouseEvent(&track);
}
