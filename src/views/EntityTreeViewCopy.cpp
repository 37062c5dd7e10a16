// Copying out of either tree (Copy, Copy Entity Name) and the context menu
// of a right click on an item.
#include "views/EntityTreeView.h"

#include "framework/CmdUI.h"
#include "model/KantorDoc.h"
#include "platform/Clipboard.h"
#include "res/Resource.h"

#include <string>

void CEntityTreeView::OnEditCopy()
{
    CopyItemLabel(GetNextItem(nullptr, TVGN_CARET));
}

void CEntityTreeView::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetNextItem(nullptr, TVGN_CARET) != nullptr);
}

void CEntityTreeView::OnCopyEntityName()
{
    CopyItemEntityName(GetNextItem(nullptr, TVGN_CARET));
}

void CEntityTreeView::OnUpdateCopyEntityName(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(EntityOfItem(GetNextItem(nullptr, TVGN_CARET)) != 0);
}

void CEntityTreeView::CopyItemLabel(HTREEITEM hItem)
{
    if (hItem)
        SetClipboardTextA(GetItemLabel(hItem));
}

void CEntityTreeView::CopyItemEntityName(HTREEITEM hItem)
{
    // The header and the placeholders are no entity.
    if (const std::int32_t n = EntityOfItem(hItem))
        SetClipboardTextA("#" + std::to_string(n));
}

LRESULT CEntityTreeView::OnContextMenu(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(wParam) != GetTreeHwnd())
        return Default();
    ShowItemMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return 0;
}

void CEntityTreeView::ShowItemMenu(POINT ptScreen)
{
    TVHITTESTINFO hit;
    hit.pt = ptScreen;
    ScreenToClient(GetTreeHwnd(), &hit.pt);
    HTREEITEM hItem = TreeView_HitTest(GetTreeHwnd(), &hit);
    if (!hItem || !(hit.flags & TVHT_ONITEM))
        return;
    const std::unique_ptr<CMenu> pMenu = CMenu::CreatePopupMenu(ItemMenuItems(hItem));
    const std::int32_t n = EntityOfItem(hItem);
    if (n == 0) {
        pMenu->EnableMenuItem(res::ID_COPY_ENTITY_NAME, MF_GRAYED);
        pMenu->EnableMenuItem(res::ID_GOTO_THIS_ENTITY, MF_GRAYED);
    }
    TVITEM item;
    item.mask = TVIF_STATE | TVIF_CHILDREN;
    item.hItem = hItem;
    item.stateMask = TVIS_EXPANDED;
    TreeView_GetItem(GetTreeHwnd(), &item);
    CEntityNumberArray arrReferences;
    if (item.cChildren == 0)
        CKantorDoc::ExtractReferences(GetItemLabel(hItem), arrReferences);
    if ((item.state & TVIS_EXPANDED) || (item.cChildren == 0 && arrReferences.IsEmpty()))
        pMenu->EnableMenuItem(res::ID_UNFOLD_ITEM, MF_GRAYED);

    const UINT nID = pMenu->TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, ptScreen.x, ptScreen.y, m_hWnd);
    // While the menu was open the tree may have been refilled: the item
    // must still be there and still stand for the same entity.
    TVITEM check;
    check.mask = TVIF_PARAM;
    check.hItem = hItem;
    if (nID && TreeView_GetItem(GetTreeHwnd(), &check) && EntityOfItem(hItem) == n)
        OnItemMenuCommand(nID, hItem);
}

std::vector<MenuItemDesc> CEntityTreeView::ItemMenuItems(HTREEITEM)
{
    using Item = MenuItemDesc;
    return {
        Item::Command("&Copy\tStrg+C", res::ID_EDIT_COPY),
        Item::Command("Copy Entity &Name\tStrg+Shift+C", res::ID_COPY_ENTITY_NAME),
        Item::Separator(),
        Item::Command("&Unfold", res::ID_UNFOLD_ITEM),
    };
}

void CEntityTreeView::OnItemMenuCommand(UINT nID, HTREEITEM hItem)
{
    switch (nID) {
    case res::ID_EDIT_COPY:
        CopyItemLabel(hItem);
        break;
    case res::ID_COPY_ENTITY_NAME:
        CopyItemEntityName(hItem);
        break;
    case res::ID_UNFOLD_ITEM:
        ExpandItem(hItem);
        break;
    default:
        break;
    }
}
