// Notifications to the parent window: WM_NOTIFY with an NMTREEVIEW (or, for
// label editing, an NMTVDISPINFO) whose item parts are filled by mask and
// whose other fields are zero.
#include "treectrl/TreeNotify.h"

#include "treectrl/TreeHandles.h"
#include "treectrl/TreeLabels.h"
#include "treectrl/TreeStore.h"

#include "platform/Window.h"

void FillNotifyItem(TVITEM* item, const TreeNode* node, UINT mask)
{
    if (!node) {
        item->mask = 0;
        item->hItem = nullptr;
        return;
    }
    item->mask = mask;
    if (mask & TVIF_STATE)
        item->state = node->state;
    if (mask & TVIF_HANDLE)
        item->hItem = ItemHandle(node);
    if (mask & TVIF_PARAM)
        item->lParam = node->lParam;
}

namespace {

LRESULT SendNotify(TreeData* td, UINT code, NMHDR* hdr)
{
    HWND parent = GetParent(td->m_hWnd);
    if (!parent)
        return 0;
    const int id = GetDlgCtrlID(td->m_hWnd);
    hdr->hwndFrom = td->m_hWnd;
    hdr->idFrom = static_cast<UINT_PTR>(id);
    hdr->code = code;
    return SendMessageA(parent, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(hdr));
}

} // namespace

LRESULT SendTreeNotify(TreeData* td, UINT code, NMTREEVIEW* nm)
{
    return SendNotify(td, code, &nm->hdr);
}

LRESULT SendDispInfoNotify(TreeData* td, UINT code, NMTVDISPINFO* nm)
{
    return SendNotify(td, code, &nm->hdr);
}

void OnDeleteNode(TreeNode* node, void* context)
{
    auto* td = static_cast<TreeData*>(context);
    if (td->m_bDeleteNotify) {
        NMTREEVIEW nm{};
        FillNotifyItem(&nm.itemOld, node, TVIF_HANDLE | TVIF_PARAM);
        SendTreeNotify(td, TVN_DELETEITEMA, &nm);
    }
    FreeNodeLabel(td, node);
}
