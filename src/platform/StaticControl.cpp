// Static text: the window text drawn in the parent's colours
// (WM_CTLCOLORSTATIC); with SS_NOTIFY a click tells the parent. A static of
// style SS_BITMAP shows a bitmap at its top left instead, one of style
// SS_ICON an icon.
#include "platform/internal/StandardControls.h"

#include "platform/Gdi.h"
#include "platform/ScopedDc.h"
#include "platform/internal/GdiObjects.h"
#include "platform/qt/QtBridge.h"

#include <QPainter>

namespace {

struct StaticState : ControlState {
    HBITMAP image = nullptr;
    HICON icon = nullptr;
};

StaticState& State(WindowRecord* rec)
{
    if (!rec->control)
        rec->control = std::make_unique<StaticState>();
    return static_cast<StaticState&>(*rec->control);
}

bool IsBitmapStatic(const WindowRecord* rec)
{
    return (rec->style & SS_TYPEMASK) == SS_BITMAP;
}

bool IsIconStatic(const WindowRecord* rec)
{
    return (rec->style & SS_TYPEMASK) == SS_ICON;
}

// The image type a static of this style shows.
WPARAM ImageType(const WindowRecord* rec)
{
    return IsIconStatic(rec) ? IMAGE_ICON : IMAGE_BITMAP;
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
    if (IsBitmapStatic(live)) {
        const GdiObjectRecord* bitmap = LiveGdiObject(State(live).image, GdiKind::Bitmap);
        if (QPainter* painter = PainterOfDC(hdc); painter && bitmap)
            painter->drawImage(0, 0, bitmap->image);
        return;
    }
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
        if (wParam != ImageType(rec))
            return 0;
        StaticState& st = State(LiveWindow(hwnd));
        LRESULT previous = 0;
        if (wParam == IMAGE_ICON) {
            previous = reinterpret_cast<LRESULT>(st.icon);
            st.icon = reinterpret_cast<HICON>(lParam);
        } else {
            previous = reinterpret_cast<LRESULT>(st.image);
            st.image = reinterpret_cast<HBITMAP>(lParam);
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        return previous;
    }
    case STM_GETIMAGE: {
        if (wParam != ImageType(rec))
            return 0;
        const StaticState& st = State(LiveWindow(hwnd));
        return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(st.icon)
                                    : reinterpret_cast<LRESULT>(st.image);
    }
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
