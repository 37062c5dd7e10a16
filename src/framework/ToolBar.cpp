#include "framework/ToolBar.h"

#include "framework/FrameWnd.h"
#include "framework/PaintDC.h"
#include "framework/Rect.h"
#include "framework/ResourceRegistry.h"
#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "res/StringTable.h"

namespace {

constexpr int kBorder = 2; // around the row of buttons
constexpr int kGripperWidth = 8; // with CBRS_GRIPPER
constexpr int kSeparatorWidth = 8;

void Fill(HDC dc, int l, int t, int r, int b, int color)
{
    RECT rect{l, t, r, b};
    FillRect(dc, &rect, GetSysColorBrush(color));
}

// A one-pixel frame: raised (light top-left) or sunken (dark top-left).
void DrawEdge(HDC dc, const CRect& r, bool raised)
{
    const int topLeft = raised ? COLOR_3DHILIGHT : COLOR_3DSHADOW;
    const int bottomRight = raised ? COLOR_3DSHADOW : COLOR_3DHILIGHT;
    Fill(dc, r.left, r.top, r.right, r.top + 1, topLeft);
    Fill(dc, r.left, r.top, r.left + 1, r.bottom, topLeft);
    Fill(dc, r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
    Fill(dc, r.right - 1, r.top, r.right, r.bottom, bottomRight);
}

std::string ToolTipText(UINT id)
{
    const std::string& prompt = res::LoadString(id);
    const size_t lf = prompt.find('\n');
    return lf == std::string::npos ? std::string() : prompt.substr(lf + 1);
}

} // namespace

CToolBar::CToolBar() = default;

CToolBar::~CToolBar()
{
    if (m_hImageList)
        ImageList_Destroy(m_hImageList);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD, DWORD dwStyle, RECT rcBorders, UINT nID)
{
    m_rcBorders = rcBorders;
    return CreateBar(RegisterFrameworkClass("LumenorControlBar", COLOR_3DFACE), dwStyle, pParentWnd, nID);
}

int CToolBar::OnCreate(CREATESTRUCTA* cs)
{
    if (CControlBar::OnCreate(cs) == -1)
        return -1;
    if (m_dwStyle & CBRS_TOOLTIPS) {
        m_hWndToolTip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, 0, 0, 0, 0, m_hWnd, 0,
                                        GetModuleHandleA(nullptr), nullptr);
        if (!m_hWndToolTip)
            return -1;
    }
    return 0;
}

void CToolBar::OnDestroy()
{
    if (m_hWndToolTip && IsWindow(m_hWndToolTip))
        ::DestroyWindow(m_hWndToolTip);
    m_hWndToolTip = nullptr;
    CControlBar::OnDestroy();
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    const ToolBarResource* resource = FindToolBarResource(nIDResource);
    if (!resource || resource->cx <= 0 || resource->cy <= 0)
        return FALSE;
    SetSizes(SIZE{resource->cx + 7, resource->cy + 7}, SIZE{resource->cx, resource->cy});
    if (!SetImages(resource->images))
        return FALSE;
    return SetButtons(resource->ids.data(), static_cast<int>(resource->ids.size()));
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
}

BOOL CToolBar::SetImages(const std::vector<HICON>& images)
{
    if (m_hImageList)
        ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    if (images.empty())
        return TRUE;
    m_hImageList = ImageList_Create(m_sizeImage.cx, m_sizeImage.cy, ILC_COLOR32 | ILC_MASK,
                                    static_cast<int>(images.size()), 0);
    if (!m_hImageList)
        return FALSE;
    for (HICON image : images)
        if (ImageList_AddIcon(m_hImageList, image) < 0)
            return FALSE;
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (nIDCount < 0 || (nIDCount > 0 && !lpIDArray))
        return FALSE;
    m_buttons.clear();
    int image = 0;
    for (int i = 0; i < nIDCount; ++i) {
        Button button;
        button.nID = lpIDArray[i];
        if (button.nID == 0)
            button.nStyle = TBBS_SEPARATOR;
        else
            button.iImage = image++;
        m_buttons.push_back(button);
    }
    m_nHot = m_nPressed = -1;
    AddToolTips();
    Invalidate();
    return TRUE;
}

void CToolBar::AddToolTips()
{
    if (!m_hWndToolTip)
        return;
    for (int i = 0; i < GetCount(); ++i) {
        const Button& button = m_buttons[static_cast<size_t>(i)];
        std::string text = ToolTipText(button.nID);
        if (button.nStyle & TBBS_SEPARATOR || text.empty())
            continue;
        TOOLINFOA info;
        info.uFlags = TTF_SUBCLASS;
        info.hwnd = m_hWnd;
        info.uId = button.nID;
        GetItemRect(i, &info.rect);
        info.lpszText = text.data();
        SendMessageA(m_hWndToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
}

UINT CToolBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)].nID : 0;
}

int CToolBar::CommandToIndex(UINT nID) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_buttons[static_cast<size_t>(i)].nID == nID)
            return i;
    return -1;
}

void CToolBar::GetItemRect(int nIndex, RECT* rect) const
{
    *rect = RECT{};
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    int x = kBorder + m_rcBorders.left + ((m_dwStyle & CBRS_GRIPPER) ? kGripperWidth : 0);
    const int y = kBorder + m_rcBorders.top;
    for (int i = 0; i < nIndex; ++i)
        x += (m_buttons[static_cast<size_t>(i)].nStyle & TBBS_SEPARATOR) ? kSeparatorWidth : m_sizeButton.cx;
    const int width =
        (m_buttons[static_cast<size_t>(nIndex)].nStyle & TBBS_SEPARATOR) ? kSeparatorWidth : m_sizeButton.cx;
    *rect = RECT{x, y, x + width, y + m_sizeButton.cy};
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)].nStyle : 0;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= GetCount() || m_buttons[static_cast<size_t>(nIndex)].nStyle == nStyle)
        return;
    m_buttons[static_cast<size_t>(nIndex)].nStyle = nStyle;
    RECT rect;
    GetItemRect(nIndex, &rect);
    InvalidateRect(&rect, TRUE);
}

SIZE CToolBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    if (bHorz)
        return SIZE{32767, m_sizeButton.cy + 2 * kBorder + m_rcBorders.top + m_rcBorders.bottom};
    return SIZE{m_sizeButton.cx + 2 * kBorder + m_rcBorders.left + m_rcBorders.right, 32767};
}

int CToolBar::HitTest(POINT point) const
{
    for (int i = 0; i < GetCount(); ++i) {
        const UINT style = m_buttons[static_cast<size_t>(i)].nStyle;
        if (style & (TBBS_SEPARATOR | TBBS_DISABLED))
            continue;
        RECT rect;
        GetItemRect(i, &rect);
        if (PtInRect(&rect, point))
            return i;
    }
    return -1;
}

void CToolBar::SetHot(int nIndex)
{
    if (nIndex == m_nHot)
        return;
    RECT rect;
    GetItemRect(m_nHot, &rect);
    InvalidateRect(&rect, TRUE);
    m_nHot = nIndex;
    GetItemRect(m_nHot, &rect);
    InvalidateRect(&rect, TRUE);
    if (m_dwStyle & CBRS_FLYBY)
        SendMessageA(::GetParent(m_hWnd), WM_SETMESSAGESTRING,
                     nIndex >= 0 ? GetItemID(nIndex) : res::AFX_IDS_IDLEMESSAGE, 0);
}

void CToolBar::OnMouseMove(UINT, POINT point)
{
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        m_bTracking = TrackMouseEvent(&tme) != FALSE;
    }
    const int hit = HitTest(point);
    // While a button is held, only that button can be hot.
    SetHot(m_nPressed >= 0 && hit != m_nPressed ? -1 : hit);
}

void CToolBar::OnMouseLeave()
{
    m_bTracking = false;
    if (m_nPressed < 0)
        SetHot(-1);
}

void CToolBar::OnLButtonDown(UINT, POINT point)
{
    const int hit = HitTest(point);
    if (hit < 0)
        return;
    m_nPressed = hit;
    SetHot(hit);
    SetCapture(m_hWnd);
    RECT rect;
    GetItemRect(hit, &rect);
    InvalidateRect(&rect, TRUE);
}

void CToolBar::OnLButtonUp(UINT, POINT point)
{
    if (m_nPressed < 0)
        return;
    const int pressed = m_nPressed;
    m_nPressed = -1;
    ReleaseCapture();
    RECT rect;
    GetItemRect(pressed, &rect);
    InvalidateRect(&rect, TRUE);
    const int hit = HitTest(point);
    SetHot(hit);
    if (hit == pressed)
        PostMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetItemID(pressed), BN_CLICKED),
                     reinterpret_cast<LPARAM>(m_hWnd));
}

void CToolBar::OnCaptureChanged(HWND hNewCapture)
{
    if (m_nPressed >= 0 && hNewCapture != m_hWnd) {
        RECT rect;
        GetItemRect(m_nPressed, &rect);
        InvalidateRect(&rect, TRUE);
        m_nPressed = -1;
    }
    CControlBar::OnCaptureChanged(hNewCapture);
}

void CToolBar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect client;
    GetClientRect(&client);
    FillRect(dc.m_hDC, &client, GetSysColorBrush(COLOR_3DFACE));
    if (m_dwStyle & CBRS_GRIPPER)
        DrawEdge(dc.m_hDC, CRect(kBorder + 1, kBorder + 1, kBorder + 4, client.bottom - kBorder - 1), true);
    for (int i = 0; i < GetCount(); ++i)
        DrawButton(dc.m_hDC, i);
}

void CToolBar::DrawButton(HDC hdc, int nIndex) const
{
    const Button& button = m_buttons[static_cast<size_t>(nIndex)];
    CRect rect;
    GetItemRect(nIndex, &rect);
    if (button.nStyle & TBBS_SEPARATOR) {
        const int x = rect.left + rect.Width() / 2 - 1;
        Fill(hdc, x, rect.top + 2, x + 1, rect.bottom - 2, COLOR_3DSHADOW);
        Fill(hdc, x + 1, rect.top + 2, x + 2, rect.bottom - 2, COLOR_3DHILIGHT);
        return;
    }
    const bool disabled = (button.nStyle & TBBS_DISABLED) != 0;
    const bool checked = (button.nStyle & TBBS_CHECKED) != 0;
    const bool pressed = m_nPressed == nIndex && m_nHot == nIndex;
    const bool sunken = !disabled && (pressed || checked);
    if (checked && !pressed)
        Fill(hdc, rect.left, rect.top, rect.right, rect.bottom, COLOR_3DLIGHT);
    if (sunken)
        DrawEdge(hdc, rect, false);
    else if (!disabled && m_nHot == nIndex)
        DrawEdge(hdc, rect, true);
    if (!m_hImageList || button.iImage < 0 || button.iImage >= ImageList_GetImageCount(m_hImageList))
        return;
    const int offset = sunken ? 1 : 0;
    const int x = rect.left + (rect.Width() - m_sizeImage.cx) / 2 + offset;
    const int y = rect.top + (rect.Height() - m_sizeImage.cy) / 2 + offset;
    // Disabled: the image's shape in the shadow colour.
    const COLORREF oldText = SetTextColor(hdc, GetSysColor(COLOR_3DSHADOW));
    ImageList_Draw(m_hImageList, button.iImage, hdc, x, y, disabled ? ILD_MASK : ILD_TRANSPARENT);
    SetTextColor(hdc, oldText);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        const Button& button = m_buttons[state.m_nIndex];
        if (button.nStyle & TBBS_SEPARATOR)
            continue;
        state.m_nID = button.nID;
        state.DoUpdate(pTarget, bDisableIfNoHandler);
    }
}

void CToolCmdUI::Enable(BOOL bOn)
{
    auto* bar = static_cast<CToolBar*>(m_pOther);
    const int index = static_cast<int>(m_nIndex);
    const UINT style = bar->GetButtonStyle(index);
    bar->SetButtonStyle(index, bOn ? style & ~TBBS_DISABLED : style | TBBS_DISABLED);
    m_bEnableChanged = TRUE;
}

void CToolCmdUI::SetCheck(int nCheck)
{
    auto* bar = static_cast<CToolBar*>(m_pOther);
    const int index = static_cast<int>(m_nIndex);
    const UINT style = bar->GetButtonStyle(index);
    bar->SetButtonStyle(index, nCheck ? style | TBBS_CHECKED : style & ~TBBS_CHECKED);
}
