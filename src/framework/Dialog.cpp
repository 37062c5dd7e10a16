#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/Rect.h"
#include "framework/ResourceRegistry.h"
#include "framework/WinApp.h"
#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/ScopedDc.h"

#include <cstring>
#include <vector>

namespace {

bool IsTabStop(HWND hwnd)
{
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The direct child of the dialog that holds (or is) the window.
HWND ChildOf(HWND dialog, HWND hwnd)
{
    while (hwnd && GetParent(hwnd) != dialog)
        hwnd = GetParent(hwnd);
    return hwnd;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(DialogTemplate dialogTemplate, CWnd* pParentWnd)
    : m_template(std::move(dialogTemplate)), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

BOOL CDialog::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = RegisterFrameworkClass("LumenorDialog", COLOR_3DFACE);
    return TRUE;
}

void CDialog::MapDialogRect(RECT* rect) const
{
    rect->left = rect->left * m_baseUnits.cx / 4;
    rect->right = rect->right * m_baseUnits.cx / 4;
    rect->top = rect->top * m_baseUnits.cy / 8;
    rect->bottom = rect->bottom * m_baseUnits.cy / 8;
}

BOOL CDialog::CreateDialogWindow(const DialogTemplate& tmpl, CWnd* pOwner)
{
    const DWORD style = (tmpl.style | WS_POPUP) & ~(WS_CHILD | WS_VISIBLE);
    if (!CreateEx(0, nullptr, tmpl.caption.c_str(), style, CRect(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0), pOwner,
                  0))
        return FALSE;

    LOGFONTA lf;
    lf.lfHeight = -(tmpl.pointSize * 96 + 36) / 72;
    std::strncpy(lf.lfFaceName, tmpl.fontFace.c_str(), LF_FACESIZE - 1);
    m_hFont = CreateFontIndirectA(&lf);
    SetFont(m_hFont, FALSE);

    // Base units: the font's average letter width (rounded) and its height.
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    TEXTMETRICA tm{};
    {
        ScopedWindowDc dc(m_hWnd);
        HGDIOBJ old = SelectObject(dc.Dc(), m_hFont);
        GetTextExtentPoint32A(dc.Dc(), kLetters, 52, &extent);
        GetTextMetricsA(dc.Dc(), &tm);
        SelectObject(dc.Dc(), old);
    }
    m_baseUnits = SIZE{(extent.cx / 26 + 1) / 2, tm.tmHeight};

    CRect client(0, 0, tmpl.cx, tmpl.cy);
    MapDialogRect(&client);
    int x = (GetSystemMetrics(SM_CXSCREEN) - client.Width()) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - client.Height()) / 2;
    if (pOwner && pOwner->GetSafeHwnd()) {
        CRect owner;
        pOwner->GetWindowRect(&owner);
        x = owner.left + (owner.Width() - client.Width()) / 2;
        y = owner.top + (owner.Height() - client.Height()) / 2;
    }
    MoveWindow(x, y, client.Width(), client.Height(), FALSE);

    for (const DialogItemTemplate& item : tmpl.items) {
        CRect r(item.x, item.y, item.x + item.cx, item.y + item.cy);
        MapDialogRect(&r);
        HWND control = CreateWindowExA(item.exStyle, item.className.c_str(), item.text.c_str(),
                                       item.style | WS_CHILD, r.left, r.top, r.Width(), r.Height(), m_hWnd,
                                       item.id, GetModuleHandleA(nullptr), nullptr);
        if (!control)
            return FALSE;
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
    }
    return TRUE;
}

int CDialog::DoModal()
{
    const DialogTemplate* tmpl = m_nIDTemplate ? FindDialogResource(m_nIDTemplate) : &m_template;
    if (!tmpl || m_hWnd)
        return -1;
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    m_nModalResult = -1;
    m_bEnded = false;
    if (CreateDialogWindow(*tmpl, owner)) {
        SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(NextTabStop(nullptr, false)), 0);
        if (!m_bEnded && m_hWnd) {
            ShowWindow(SW_SHOW);
            m_bInModalLoop = true;
            RunModalLoop(m_hWnd, owner ? owner->GetSafeHwnd() : nullptr);
            m_bInModalLoop = false;
        }
    }
    DestroyWindow();
    // The font lives as long as the window: each run makes its own.
    if (m_hFont)
        DeleteObject(m_hFont);
    m_hFont = nullptr;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEnded = true;
    if (m_bInModalLoop)
        EndModalLoop(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    if (OnInitDialog())
        if (HWND first = NextTabStop(nullptr, false))
            GotoDlgCtrl(first);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnClose()
{
    OnCancel();
}

void CDialog::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        if (HWND button = GetDlgItem(id))
            SendMessageA(button, BM_SETCHECK, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CDialog::GotoDlgCtrl(HWND hwndCtrl)
{
    if (!hwndCtrl)
        return;
    ::SetFocus(hwndCtrl);
    if (SendMessageA(hwndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(hwndCtrl, EM_SETSEL, 0, -1);
}

HWND CDialog::NextTabStop(HWND from, bool backwards) const
{
    std::vector<HWND> stops;
    for (HWND h = GetWindow(m_hWnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (IsTabStop(h))
            stops.push_back(h);
    if (stops.empty())
        return nullptr;
    const HWND current = ChildOf(m_hWnd, from);
    size_t i = 0;
    while (i < stops.size() && stops[i] != current)
        ++i;
    if (i == stops.size())
        return backwards ? stops.back() : stops.front();
    return backwards ? stops[(i + stops.size() - 1) % stops.size()] : stops[(i + 1) % stops.size()];
}

HWND CDialog::DefaultButton() const
{
    for (HWND h = GetWindow(m_hWnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if ((SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) && IsWindowEnabled(h))
            return h;
    return GetDlgItem(IDOK);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN && pMsg->message != WM_CHAR)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    const auto key = static_cast<int>(pMsg->wParam);
    if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE)
        return FALSE;
    if (pMsg->hwnd != m_hWnd
        && (SendMessageA(pMsg->hwnd, WM_GETDLGCODE, pMsg->wParam, reinterpret_cast<LPARAM>(pMsg))
            & DLGC_WANTALLKEYS))
        return FALSE;
    // The characters of these keys are the dialog's too.
    if (pMsg->message == WM_CHAR)
        return TRUE;
    if (key == VK_TAB) {
        GotoDlgCtrl(NextTabStop(GetFocus(), GetKeyState(VK_SHIFT) < 0));
        return TRUE;
    }
    HWND button = nullptr;
    int id = IDCANCEL;
    if (key == VK_RETURN) {
        // Enter on a push button presses that button, otherwise the default one.
        HWND focus = ChildOf(m_hWnd, GetFocus());
        const LRESULT code = focus ? SendMessageA(focus, WM_GETDLGCODE, 0, 0) : 0;
        button = (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) ? focus : DefaultButton();
        id = button ? ::GetDlgCtrlID(button) : IDOK;
    } else {
        button = GetDlgItem(IDCANCEL);
    }
    if (button && !IsWindowEnabled(button))
        return TRUE;
    SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return TRUE;
}
