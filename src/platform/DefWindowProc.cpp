// Default message handling, and the window-text calls that go through it.
#include "platform/internal/WindowRecord.h"

#include "platform/internal/Cp1252.h"
#include "platform/internal/Cursors.h"
#include "platform/internal/GdiObjects.h"
#include "platform/internal/Icons.h"

#include <QWidget>

#include <algorithm>
#include <cstring>

namespace {

void EraseWithClassBackground(HWND hwnd, HDC hdc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH brush = hwnd->windowClass->wc.hbrBackground;
    FillRect(hdc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
}

} // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return 0;
    switch (msg) {
    case WM_NCCREATE:
        return TRUE;
    case WM_ERASEBKGND:
        EraseWithClassBackground(hwnd, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETTEXT:
        rec->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (rec->widget->isWindow())
            rec->widget->setWindowTitle(TextFromUtf8(rec->text));
        return TRUE;
    case WM_GETTEXT: {
        if (!lParam || wParam == 0)
            return 0;
        char* buffer = reinterpret_cast<char*>(lParam);
        const size_t n = std::min<size_t>(rec->text.size(), wParam - 1);
        std::memcpy(buffer, rec->text.data(), n);
        buffer[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(rec->text.size());
    case WM_SETICON: {
        if (wParam != ICON_SMALL && wParam != ICON_BIG)
            return 0;
        HICON previous = rec->icons[wParam];
        rec->icons[wParam] = reinterpret_cast<HICON>(lParam);
        if (rec->widget->isWindow())
            rec->widget->setWindowIcon(
                WindowIconOf(rec->icons[ICON_BIG] ? rec->icons[ICON_BIG] : rec->icons[ICON_SMALL]));
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON:
        return wParam == ICON_SMALL || wParam == ICON_BIG ? reinterpret_cast<LRESULT>(rec->icons[wParam]) : 0;
    case WM_SETREDRAW:
        // While off, invalidation collects but nothing is painted.
        rec->widget->setUpdatesEnabled(wParam != 0);
        return 0;
    case WM_SETFONT:
        rec->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(static_cast<std::uintptr_t>(lParam)))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(rec->font);
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
    case WM_APPCOMMAND:
        if ((rec->style & WS_CHILD) && rec->parent)
            return SendMessageA(rec->parent, msg, wParam, lParam);
        return 0;
    case WM_SETCURSOR:
        // The parent may set the cursor for its children first.
        if ((rec->style & WS_CHILD) && rec->parent && SendMessageA(rec->parent, WM_SETCURSOR, wParam, lParam))
            return TRUE;
        // A parent asked about a child's cursor only passes the question up.
        if (reinterpret_cast<HWND>(wParam) == hwnd
            && LOWORD(static_cast<std::uintptr_t>(lParam)) == HTCLIENT) {
            HCURSOR cursor = rec->windowClass->wc.hCursor;
            SetCursor(cursor ? cursor : LoadStandardCursor(StandardCursor::Arrow));
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORSTATIC: {
        HDC hdc = reinterpret_cast<HDC>(wParam);
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_RBUTTONUP: {
        // A right click asks for a context menu at the mouse position.
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &pt);
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(pt.x, pt.y));
        return 0;
    }
    case WM_XBUTTONUP: {
        // The mouse's back and forward buttons ask the window, and through
        // it its parents, for the browser's Back and Forward.
        const WORD command = GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? APPCOMMAND_BROWSER_BACKWARD
            : GET_XBUTTON_WPARAM(wParam) == XBUTTON2                ? APPCOMMAND_BROWSER_FORWARD
                                                                    : 0;
        if (command)
            SendMessageA(hwnd, WM_APPCOMMAND, reinterpret_cast<WPARAM>(hwnd),
                         MAKELPARAM(LOWORD(wParam), command | FAPPCOMMAND_MOUSE));
        return TRUE;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    default:
        return 0;
    }
}

BOOL SetWindowTextA(HWND hwnd, const char* text)
{
    if (!LiveWindow(hwnd))
        return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowTextA(HWND hwnd, char* buffer, int maxCount)
{
    if (!buffer || maxCount <= 0)
        return 0;
    buffer[0] = '\0';
    if (!LiveWindow(hwnd))
        return 0;
    return static_cast<int>(
        SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd)
{
    if (!LiveWindow(hwnd))
        return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

std::string GetWindowTextString(HWND hwnd)
{
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}
