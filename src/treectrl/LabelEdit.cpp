// In-place label editing: the edit child made at attachment and the entry
// points that the rest of the control calls. Editing itself (placing the
// edit over the label, its procedure, the begin and end notifications) is
// not offered yet: a begin is refused, so no edit is ever in progress and
// ending one finds nothing to end.
#include "treectrl/TreeOps.h"

#include "platform/Window.h"

namespace {

constexpr DWORD kEditStyle = WS_CHILD | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL;

} // namespace

void CreateEditChild(TreeData* td)
{
    td->m_hwndEdit = CreateWindowExA(0, WC_EDITA, "", kEditStyle, 0, 0, 0, 0, td->m_hWnd, 0,
                                     GetModuleHandleA(nullptr), nullptr);
    if (!td->m_hwndEdit)
        return;
    const LRESULT font = SendMessageA(td->m_hWnd, WM_GETFONT, 0, 0);
    SendMessageA(td->m_hwndEdit, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
}

TreeNode* EditLabel(TreeData*, TreeNode*)
{
    return nullptr;
}

BOOL EndEditLabelNow(TreeData* td, BOOL)
{
    if (!td->m_pEditItem)
        return FALSE;
    td->m_pEditItem = nullptr;
    ShowWindow(td->m_hwndEdit, SW_HIDE);
    return FALSE;
}

HWND GetEditControl(TreeData* td)
{
    return td->m_pEditItem ? td->m_hwndEdit : nullptr;
}

void CancelLabelEdit(TreeData* td)
{
    EndEditLabelNow(td, TRUE);
}
