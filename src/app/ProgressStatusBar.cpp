#include "app/ProgressStatusBar.h"

#include "framework/PaintDC.h"
#include "framework/Rect.h"

namespace {

// Control ids of the two children.
constexpr UINT kProgressId = 0;
constexpr UINT kLabelId = 65535;

} // namespace

int CProgressStatusBar::OnCreate(CREATESTRUCTA* cs)
{
    if (CStatusBar::OnCreate(cs) == -1)
        return -1;
    if (!m_wndProgress.Create(WS_CHILD, CRect(), this, kProgressId))
        return -1;
    if (!m_wndText.Create("", WS_CHILD, CRect(), this, kLabelId))
        return -1;
    m_wndText.SetFont(GetFont(), TRUE);
    return 0;
}

void CProgressStatusBar::SetProgressText(const std::string& text)
{
    m_wndText.SetWindowText(text);
    if (!m_bProgressMode)
        return;
    RepositionControls();
    RepaintNow();
}

void CProgressStatusBar::ShowProgress(BOOL bShow)
{
    m_bProgressMode = bShow;
    if (bShow) {
        RepositionControls();
        m_wndText.ShowWindow(SW_SHOW);
        m_wndProgress.ShowWindow(SW_SHOW);
    } else {
        m_wndText.ShowWindow(SW_HIDE);
        m_wndProgress.ShowWindow(SW_HIDE);
    }
    RepaintNow();
}

void CProgressStatusBar::RepositionControls()
{
    CRect client;
    GetClientRect(&client);
    const int y = client.top + 2;
    const int height = client.bottom - client.top - 4;
    const int progressX = client.left + 5;
    m_wndProgress.MoveWindow(progressX, y, m_nProgressWidth, height, FALSE);
    const int labelX = progressX + m_nProgressWidth + 5;
    m_wndText.MoveWindow(labelX, y, client.right - 5 - labelX, height, FALSE);
}

void CProgressStatusBar::RepaintNow()
{
    // Loads run without processing messages: paint before returning.
    Invalidate(TRUE);
    UpdateWindow();
}

void CProgressStatusBar::OnPaint()
{
    if (!m_bProgressMode) {
        CStatusBar::OnPaint();
        return;
    }
    // Only the children show; the request is completed without drawing.
    CPaintDC dc(m_hWnd);
}
