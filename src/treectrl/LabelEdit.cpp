// In-place label editing: the edit child made at attachment, beginning an
// edit over an item's label and ending it with the parent's answer deciding
// whether the new text is stored.
#include "treectrl/LabelEdit.h"

#include "treectrl/LabelEditProc.h"
#include "treectrl/TreeHandles.h"
#include "treectrl/TreeLabels.h"
#include "treectrl/TreeLayout.h"
#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeNotify.h"
#include "treectrl/TreeSelect.h"
#include "treectrl/TreeStore.h"

#include "platform/Window.h"

#include <string>

namespace {

constexpr DWORD kEditStyle = WS_CHILD | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL;
// Room past the label's text so that the caret has space to type into.
constexpr int kEditRightMargin = 20;

RECT ToScreen(HWND hwnd, const RECT& rect)
{
    POINT topLeft{rect.left, rect.top};
    POINT bottomRight{rect.right, rect.bottom};
    ClientToScreen(hwnd, &topLeft);
    ClientToScreen(hwnd, &bottomRight);
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// Lays the edit over q's label, clipped to the client area.
void PlaceEdit(TreeData* td, TreeNode* q)
{
    RECT rect{};
    GetItemRect(td, q, TRUE, &rect);
    const RECT client = ClientRect(td);
    rect.right += kEditRightMargin;
    rect.top -= 1;
    if (rect.right > client.right)
        rect.right = client.right;
    MoveWindow(td->m_hwndEdit, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
    SetEditPlacement(td->m_hwndEdit, ToScreen(td->m_hWnd, rect), ToScreen(td->m_hWnd, client));
}

} // namespace

void CreateEditChild(TreeData* td)
{
    td->m_hwndEdit = CreateWindowExA(0, WC_EDITA, "", kEditStyle, 0, 0, 0, 0, td->m_hWnd, 0,
                                     GetModuleHandleA(nullptr), nullptr);
    if (!td->m_hwndEdit)
        return;
    InstallEditProc(td->m_hwndEdit);
    const LRESULT font = SendMessageA(td->m_hWnd, WM_GETFONT, 0, 0);
    SendMessageA(td->m_hwndEdit, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
}

TreeNode* EditLabel(TreeData* td, TreeNode* q)
{
    if (!td->m_hwndEdit)
        return nullptr;
    // The parent gets the stored label; a borrowed one need not end in a
    // zero byte, so it gets a copy that does.
    std::string label = NodeLabelString(q);
    NMTVDISPINFO nm{};
    FillNotifyItem(&nm.item, q, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_TEXT);
    nm.item.pszText = q->bLabelOwned ? const_cast<char*>(static_cast<const char*>(q->pszText)) : q->pszText ? label.data() : nullptr;
    nm.item.cchTextMax = q->cchText;
    if (SendDispInfoNotify(td, TVN_BEGINLABELEDITA, &nm))
        return nullptr;

    // Selecting another item ends a running edit, cancelled; on the caret
    // itself the running edit goes on.
    SelectItem(td, q, TVGN_CARET, false);
    EnsureItemVisible(td, q, false);
    PlaceEdit(td, q);
    SetWindowTextA(td->m_hwndEdit, label.c_str());
    SendMessageA(td->m_hwndEdit, EM_SETSEL, 0, -1);
    ShowWindow(td->m_hwndEdit, SW_SHOW);
    SetFocus(td->m_hwndEdit);
    td->m_pEditItem = q;
    return q;
}

BOOL EndEditLabelNow(TreeData* td, BOOL cancel)
{
    TreeNode* q = td->m_pEditItem;
    if (!q)
        return FALSE;
    char text[kMaxEditText + 1] = {};
    NMTVDISPINFO nm{};
    if (cancel) {
        FillNotifyItem(&nm.item, q, TVIF_HANDLE | TVIF_PARAM);
    } else {
        FillNotifyItem(&nm.item, q, TVIF_HANDLE | TVIF_PARAM | TVIF_TEXT);
        nm.item.cchTextMax = GetWindowTextA(td->m_hwndEdit, text, sizeof text);
        nm.item.pszText = text;
    }
    const LRESULT accepted = SendDispInfoNotify(td, TVN_ENDLABELEDITA, &nm);
    // A parent that deleted the item or moved the caret while answering
    // has ended this one already.
    if (td->m_pEditItem != q)
        return FALSE;
    BOOL stored = FALSE;
    if (accepted && !cancel) {
        TVITEM item;
        item.mask = TVIF_TEXT;
        item.hItem = ItemHandle(q);
        item.pszText = text;
        SetItem(td, q, item);
        stored = TRUE;
    }
    // Cleared before hiding: a focus loss that hiding the focused edit
    // brings must find no edit left to end.
    td->m_pEditItem = nullptr;
    ShowWindow(td->m_hwndEdit, SW_HIDE);
    return stored;
}

HWND GetEditControl(TreeData* td)
{
    return td->m_pEditItem ? td->m_hwndEdit : nullptr;
}

void CancelLabelEdit(TreeData* td)
{
    EndEditLabelNow(td, TRUE);
}
