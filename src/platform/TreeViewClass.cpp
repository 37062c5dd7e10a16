// The tree-view class. A tree control replaces this procedure with its own
// and passes on what it does not handle; what it relies on from here is
// kept small: the font, an erased background, an empty paint, and default
// behaviour for the rest (WM_CONTEXTMENU goes on to the parent).
#include "platform/internal/StandardControls.h"

#include "platform/Gdi.h"
#include "platform/ScopedDc.h"

namespace {

void FillClient(HWND hwnd, HDC hdc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_WINDOW));
}

} // namespace

LRESULT TreeViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        FillClient(hwnd, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT: {
        if (HDC passed = reinterpret_cast<HDC>(wParam)) {
            FillClient(hwnd, passed);
            return 0;
        }
        ScopedPaint paint(hwnd);
        FillClient(hwnd, paint.Dc());
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
