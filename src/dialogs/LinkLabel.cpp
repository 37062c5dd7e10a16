#include "dialogs/LinkLabel.h"

#include "framework/Rect.h"
#include "platform/CommCtrl.h"
#include "platform/Shell.h"

BEGIN_MESSAGE_MAP(CLinkLabel, CStatic)
ON_CONTROL_REFLECT(STN_CLICKED, &CLinkLabel::OnClicked)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CLinkLabel::~CLinkLabel()
{
    // While this object is whole, so that PostNcDestroy frees the font.
    DestroyWindow();
}

void CLinkLabel::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);

    LOGFONTA lf;
    if (!GetObjectA(GetFont(), sizeof lf, &lf))
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfUnderline = TRUE;
    m_fontLink = CreateFontIndirectA(&lf);
    SetFont(m_fontLink, TRUE);

    m_hHandCursor = LoadStandardCursor(StandardCursor::Hand);

    CStatic::PreSubclassWindow();

    if (m_wndTip.CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CRect(0, 0, 0, 0), this,
                          0)) {
        char empty[] = "";
        TOOLINFOA ti;
        ti.hwnd = m_hWnd;
        ti.uId = kTipToolId;
        GetClientRect(&ti.rect);
        ti.lpszText = empty;
        m_wndTip.SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        m_wndTip.SendMessage(TTM_ACTIVATE, m_bTipEnabled);
        m_wndTip.ShowWindow(SW_HIDE);
    }
}

void CLinkLabel::PostNcDestroy()
{
    m_wndTip.DestroyWindow();
    DeleteObject(m_fontLink);
    m_fontLink = nullptr;
    m_bHot = false;
    CStatic::PostNcDestroy();
}

void CLinkLabel::EnableTip(BOOL bEnable)
{
    m_bTipEnabled = bEnable != FALSE;
    // A disabled tip also stops showing a text set earlier.
    if (m_wndTip.GetSafeHwnd())
        m_wndTip.SendMessage(TTM_ACTIVATE, m_bTipEnabled);
}

void CLinkLabel::SetTipText(const std::string& strText)
{
    if (!m_bTipEnabled || !m_wndTip.GetSafeHwnd())
        return;
    std::string text = strText;
    TOOLINFOA ti;
    ti.hwnd = m_hWnd;
    ti.uId = kTipToolId;
    ti.lpszText = text.data();
    m_wndTip.SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CLinkLabel::SetTipBkColor(COLORREF cr)
{
    if (m_wndTip.GetSafeHwnd())
        m_wndTip.SendMessage(TTM_SETTIPBKCOLOR, cr);
}

void CLinkLabel::SetTipTextColor(COLORREF cr)
{
    if (m_wndTip.GetSafeHwnd())
        m_wndTip.SendMessage(TTM_SETTIPTEXTCOLOR, cr);
}

BOOL CLinkLabel::OpenTarget(const std::string& strAddress)
{
    return ShellExecuteA(nullptr, "open", strAddress.c_str(), nullptr, nullptr, SW_SHOWMINIMIZED) >= 32;
}

BOOL CLinkLabel::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndTip.GetSafeHwnd())
        m_wndTip.SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
    return CStatic::PreTranslateMessage(pMsg);
}

void CLinkLabel::OnMouseMove(UINT nFlags, POINT point)
{
    CStatic::OnMouseMove(nFlags, point);
    if (!m_bHot) {
        m_bHot = true;
        RedrawNow();
        SetCapture(m_hWnd);
        // The capture sees no mouse that leaves the program's windows; the
        // leave notice does.
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        TrackMouseEvent(&tme);
        return;
    }
    CRect client;
    GetClientRect(&client);
    if (!client.Contains(point))
        LeaveHot();
}

void CLinkLabel::OnMouseLeave()
{
    if (m_bHot)
        LeaveHot();
}

void CLinkLabel::OnCaptureChanged(HWND)
{
    // Another window took the mouse, or the dialog is closing.
    if (m_bHot) {
        m_bHot = false;
        Invalidate(TRUE);
    }
}

void CLinkLabel::LeaveHot()
{
    m_bHot = false;
    ReleaseCapture();
    RedrawNow();
}

void CLinkLabel::RedrawNow()
{
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CLinkLabel::OnSetCursor(HWND, UINT, UINT)
{
    ::SetCursor(m_hHandCursor);
    return TRUE;
}

void CLinkLabel::OnClicked()
{
    // A failed open is not reported; the link counts as visited anyway.
    OpenTarget(m_strTarget);
    m_bVisited = true;
    Invalidate(TRUE);
}

HBRUSH CLinkLabel::CtlColor(HDC hdc, UINT)
{
    SetTextColor(hdc, m_bVisited ? m_crVisited : m_bHot ? m_crHot : m_crNormal);
    SetBkMode(hdc, TRANSPARENT);
    // The dialog's face rather than no brush: a window keeps the pixels it
    // does not paint, so without a background every repaint would draw the
    // text over its previous colour.
    return GetSysColorBrush(COLOR_3DFACE);
}
