#include "framework/StatusBar.h"

#include "framework/FrameWnd.h"
#include "framework/PaintDC.h"
#include "framework/Rect.h"
#include "platform/ScopedDc.h"
#include "res/StringTable.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kTopMargin = 2; // above the panes
constexpr int kRightMargin = 2;
constexpr int kPaneGap = 2; // between panes
constexpr int kTextMargin = 4; // left and right of a pane's text

int TextWidth(HWND hwnd, HFONT font, const std::string& text)
{
    ScopedWindowDc dc(hwnd);
    HGDIOBJ old = SelectObject(dc.Dc(), font);
    SIZE size{};
    GetTextExtentPoint32A(dc.Dc(), text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc.Dc(), old);
    return size.cx;
}

void FillEdge(HDC dc, int l, int t, int r, int b, int color)
{
    RECT rect{l, t, r, b};
    FillRect(dc, &rect, GetSysColorBrush(color));
}

} // namespace

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_MESSAGE(WM_SETTEXT, &CStatusBar::OnSetText)
ON_MESSAGE(WM_GETTEXT, &CStatusBar::OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, &CStatusBar::OnGetTextLength)
END_MESSAGE_MAP()

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateBar(RegisterFrameworkClass("LumenorControlBar", COLOR_3DFACE), dwStyle, pParentWnd, nID);
}

int CStatusBar::OnCreate(CREATESTRUCTA* cs)
{
    if (CControlBar::OnCreate(cs) == -1)
        return -1;
    DefWindowProc(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return 0;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (!m_hWnd || nIDCount < 0 || (nIDCount > 0 && !lpIDArray))
        return FALSE;
    std::vector<Pane> panes;
    const HFONT font = GetFont();
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane;
        pane.nID = lpIDArray[i];
        if (pane.nID != 0) {
            pane.strText = res::LoadString(pane.nID);
            if (pane.strText.empty())
                return FALSE;
            pane.cxText = TextWidth(m_hWnd, font, pane.strText);
        }
        panes.push_back(pane);
    }
    if (!panes.empty() && panes.front().nID == 0)
        panes.front().nStyle = SBPS_NOBORDERS | SBPS_STRETCH;
    const std::string message = GetWindowText();
    m_panes = std::move(panes);
    if (!m_panes.empty() && m_panes.front().nID == 0)
        m_panes.front().strText = message;
    Invalidate();
    return TRUE;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].nID : 0;
}

int CStatusBar::CommandToIndex(UINT nID) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[static_cast<size_t>(i)].nID == nID)
            return i;
    return -1;
}

std::vector<RECT> CStatusBar::PaneRects() const
{
    CRect client;
    GetClientRect(&client);
    std::vector<RECT> rects(m_panes.size());
    // Fixed panes from the right; a stretching pane takes what is left.
    int right = client.right - kRightMargin;
    for (size_t i = m_panes.size(); i-- > 0;) {
        const Pane& pane = m_panes[i];
        if (pane.nStyle & SBPS_STRETCH)
            continue;
        const int width = pane.cxText + 2 * kTextMargin;
        rects[i] = RECT{right - width, kTopMargin, right, client.bottom};
        right -= width + kPaneGap;
    }
    int left = client.left;
    for (size_t i = 0; i < m_panes.size(); ++i) {
        if (!(m_panes[i].nStyle & SBPS_STRETCH)) {
            left = rects[i].right + kPaneGap;
            continue;
        }
        int end = right;
        for (size_t j = i + 1; j < m_panes.size(); ++j)
            if (!(m_panes[j].nStyle & SBPS_STRETCH)) {
                end = rects[j].left - kPaneGap;
                break;
            }
        rects[i] = RECT{left, kTopMargin, std::max(left, end), client.bottom};
        left = rects[i].right + kPaneGap;
    }
    return rects;
}

void CStatusBar::GetItemRect(int nIndex, RECT* rect) const
{
    *rect = RECT{};
    if (nIndex >= 0 && nIndex < GetCount())
        *rect = PaneRects()[static_cast<size_t>(nIndex)];
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    nID = GetItemID(nIndex);
    nStyle = GetPaneStyle(nIndex);
    cxWidth = nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].cxText : 0;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    if (pane.nID == nID && pane.nStyle == nStyle && pane.cxText == cxWidth)
        return;
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    Invalidate();
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= GetCount() || m_panes[static_cast<size_t>(nIndex)].nStyle == nStyle)
        return;
    m_panes[static_cast<size_t>(nIndex)].nStyle = nStyle;
    Invalidate();
}

std::string CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].strText : std::string();
}

BOOL CStatusBar::SetPaneText(int nIndex, const std::string& text, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    // Writing the same text again (the idle loop does) must not repaint.
    if (pane.strText == text)
        return TRUE;
    pane.strText = text;
    if (nIndex == 0)
        DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (bUpdate) {
        RECT rect;
        GetItemRect(nIndex, &rect);
        InvalidateRect(&rect, TRUE);
    }
    return TRUE;
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    const std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
    if (m_panes.empty()) {
        if (GetWindowText() == text)
            return TRUE;
        return Default();
    }
    return SetPaneText(0, text);
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    if (m_panes.empty())
        return Default();
    const std::string& text = m_panes.front().strText;
    auto* buffer = reinterpret_cast<char*>(lParam);
    if (!buffer || wParam == 0)
        return 0;
    const size_t n = std::min(text.size(), static_cast<size_t>(wParam) - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    return m_panes.empty() ? Default() : static_cast<LRESULT>(m_panes.front().strText.size());
}

SIZE CStatusBar::CalcFixedLayout(BOOL, BOOL)
{
    TEXTMETRICA tm{};
    {
        ScopedWindowDc dc(m_hWnd);
        HGDIOBJ old = SelectObject(dc.Dc(), GetFont());
        GetTextMetricsA(dc.Dc(), &tm);
        SelectObject(dc.Dc(), old);
    }
    // Text, a pixel above and below it, the pane borders, the top margin.
    return SIZE{32767, tm.tmHeight + 2 + 2 + kTopMargin + 1};
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    Invalidate();
}

void CStatusBar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    DrawPanes(dc.m_hDC);
}

void CStatusBar::DrawPanes(HDC hdc) const
{
    CRect client;
    GetClientRect(&client);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_3DFACE));
    HGDIOBJ oldFont = SelectObject(hdc, GetFont());
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    const std::vector<RECT> rects = PaneRects();
    for (size_t i = 0; i < m_panes.size(); ++i) {
        const Pane& pane = m_panes[i];
        const CRect r = rects[i];
        if (r.IsEmpty())
            continue;
        if (!(pane.nStyle & SBPS_NOBORDERS)) {
            const bool popout = (pane.nStyle & SBPS_POPOUT) != 0;
            const int topLeft = popout ? COLOR_3DHILIGHT : COLOR_3DSHADOW;
            const int bottomRight = popout ? COLOR_3DSHADOW : COLOR_3DHILIGHT;
            FillEdge(hdc, r.left, r.top, r.right, r.top + 1, topLeft);
            FillEdge(hdc, r.left, r.top, r.left + 1, r.bottom, topLeft);
            FillEdge(hdc, r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
            FillEdge(hdc, r.right - 1, r.top, r.right, r.bottom, bottomRight);
        }
        if ((pane.nStyle & SBPS_DISABLED) || pane.strText.empty())
            continue;
        RECT text{r.left + kTextMargin, r.top + 1, r.right - kTextMargin, r.bottom - 1};
        DrawTextA(hdc, pane.strText.c_str(), static_cast<int>(pane.strText.size()), &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    SelectObject(hdc, oldFont);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].nID;
        if (state.m_nID != 0)
            state.DoUpdate(pTarget, FALSE);
    }
}

void CStatusCmdUI::Enable(BOOL bOn)
{
    auto* bar = static_cast<CStatusBar*>(m_pOther);
    const int index = static_cast<int>(m_nIndex);
    const UINT style = bar->GetPaneStyle(index);
    bar->SetPaneStyle(index, bOn ? style & ~SBPS_DISABLED : style | SBPS_DISABLED);
    m_bEnableChanged = TRUE;
}

void CStatusCmdUI::SetCheck(int nCheck)
{
    auto* bar = static_cast<CStatusBar*>(m_pOther);
    const int index = static_cast<int>(m_nIndex);
    const UINT style = bar->GetPaneStyle(index);
    bar->SetPaneStyle(index, nCheck ? style | SBPS_POPOUT : style & ~SBPS_POPOUT);
}

void CStatusCmdUI::SetText(const char* text)
{
    static_cast<CStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), text ? text : "");
}
