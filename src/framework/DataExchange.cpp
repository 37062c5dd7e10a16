#include "framework/DataExchange.h"

#include "framework/Wnd.h"

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    if (m_bFailed)
        return nullptr;
    HWND hwnd = m_pDlgWnd->GetDlgItem(nIDC);
    if (!hwnd) {
        Fail();
        return nullptr;
    }
    m_hWndLastControl = hwnd;
    return hwnd;
}

void CDataExchange::Fail()
{
    m_bFailed = TRUE;
    if (m_bSaveAndValidate && m_hWndLastControl)
        SetFocus(m_hWndLastControl);
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = GetWindowTextString(hwnd);
    else
        SetWindowTextA(hwnd, value.c_str());
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND first = pDX->PrepareCtrl(nIDC);
    if (!first)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND hwnd = first; hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        if (hwnd != first && (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_GROUP))
            break;
        if (!(SendMessageA(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (value == -1 && SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            SendMessageA(hwnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd || rControl.GetSafeHwnd())
        return;
    if (!rControl.SubclassWindow(hwnd))
        pDX->Fail();
}
