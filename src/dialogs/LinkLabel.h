// CLinkLabel: turns a static text control into a hyperlink. The text is
// drawn underlined in the normal colour, in the hot colour while the mouse
// is over it (the mouse is then captured, to see it leave) and in the
// visited colour, hot or not, once it has been clicked. A click hands the
// target to the desktop; the pointer is a hand; an optional tooltip
// explains the link.
#pragma once

#include "framework/Controls.h"
#include "platform/Gdi.h"

#include <string>

class CLinkLabel : public CStatic {
public:
    // The tooltip's one tool, covering the control's client area.
    static constexpr UINT_PTR kTipToolId = 1001;

    CLinkLabel() = default;
    ~CLinkLabel() override;

    // The address a click opens; the control's text stays as it is.
    void SetTarget(const std::string& strTarget) { m_strTarget = strTarget; }
    // Without it, SetTipText is ignored and the tooltip never shows.
    void EnableTip(BOOL bEnable);
    void SetTipText(const std::string& strText);
    void SetTipBkColor(COLORREF cr);
    void SetTipTextColor(COLORREF cr);
    // The colours apply from the next repaint.
    void SetNormalColor(COLORREF cr) { m_crNormal = cr; }
    void SetHotColor(COLORREF cr) { m_crHot = cr; }
    void SetVisitedColor(COLORREF cr) { m_crVisited = cr; }

    // The tooltip window (null before the control is attached).
    HWND GetTipWindow() const { return m_wndTip.GetSafeHwnd(); }

    // Hands the address to the desktop's default handler; TRUE when one took it.
    static BOOL OpenTarget(const std::string& strAddress);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;
    void PostNcDestroy() override;
    void OnMouseMove(UINT nFlags, POINT point) override;
    void OnMouseLeave() override;
    void OnCaptureChanged(HWND hNewCapture) override;
    BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message) override;
    void OnClicked();
    HBRUSH CtlColor(HDC hdc, UINT nCtlColor);

    void LeaveHot();
    void RedrawNow();

    HCURSOR m_hHandCursor = nullptr;
    bool m_bTipEnabled = false;
    bool m_bHot = false;
    bool m_bVisited = false;
    HFONT m_fontLink = nullptr;
    CWnd m_wndTip;
    std::string m_strTarget;
    COLORREF m_crHot = RGB(255, 0, 0);
    COLORREF m_crNormal = RGB(0, 0, 255);
    COLORREF m_crVisited = RGB(5, 34, 143);

    DECLARE_MESSAGE_MAP()
};
