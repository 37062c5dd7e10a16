// Static text: the window text drawn in the parent's colours
// (WM_CTLCOLORSTATIC); with SS_NOTIFY a click tells the parent. A static of
// style SS_ICON shows an icon at its top left instead.
#include "platform/internal/StandardControls.h"

#include "platform/Gdi.h"
#include "platform/ScopedDc.h"

namespace {

struct StaticState : ControlState {
    HICON icon = nullptr;
};

StaticState& State(WindowRecord* rec)
{
    if (!rec->control)
        rec->control = std::make_unique<StaticState>();
    return static_cast<StaticState&>(*rec->control);
}

bool IsIconStatic(const WindowRecord* rec)
{
    return (rec->style & SS_TYPEMASK) == SS_ICON;
}

void Paint(HWND hwnd, HDC hdc)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
    HBRUSH brush = nullptr;
    if (HWND parent = GetParent(hwnd))
        brush = reinterpret_cast<HBRUSH>(SendMessageA(
            parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd)));
    FillRect(hdc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    WindowRecord* live = LiveWindow(hwnd);
    if (!live)
        return;
    if (IsIconStatic(live)) {
        if (HICON icon = State(live).icon)
            DrawIconEx(hdc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
        return;
    }
    HGDIOBJ oldFont = rec->font ? SelectObject(hdc, rec->font) : nullptr;
    if (rec->style & WS_DISABLED)
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    UINT format = DT_WORDBREAK | DT_EXPANDTABS;
    if ((rec->style & 0x0F) == SS_CENTER)
        format |= DT_CENTER;
    else if ((rec->style & 0x0F) == SS_RIGHT)
        format |= DT_RIGHT;
    if (rec->style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    DrawTextA(hdc, rec->text.c_str(), static_cast<int>(rec->text.size()), &client, format);
    if (oldFont)
        SelectObject(hdc, oldFont);
}

} // namespace

LRESULT StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return 0;
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // the paint fills the background in the parent's colour
    case WM_PAINT: {
        if (HDC passed = reinterpret_cast<HDC>(wParam)) {
            Paint(hwnd, passed);
            return 0;
        }
        ScopedPaint paint(hwnd);
        Paint(hwnd, paint.Dc());
        return 0;
    }
    case STM_SETIMAGE: {
        if (wParam != IMAGE_ICON || !IsIconStatic(rec))
            return 0;
        StaticState& st = State(LiveWindow(hwnd));
        const LRESULT previous = reinterpret_cast<LRESULT>(st.icon);
        st.icon = reinterpret_cast<HICON>(lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return previous;
    }
    case STM_GETIMAGE:
        if (wParam != IMAGE_ICON || !IsIconStatic(rec))
            return 0;
        return reinterpret_cast<LRESULT>(State(LiveWindow(hwnd)).icon);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
        if ((rec->style & SS_NOTIFY) && rec->parent)
            SendMessageA(rec->parent, WM_COMMAND, MAKEWPARAM(static_cast<int>(rec->id), STN_CLICKED),
                         reinterpret_cast<LPARAM>(hwnd));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
