// Logical keyboard focus and mouse capture. Both are the platform's own
// state, told to windows by messages; Qt's focus follows the logical focus
// so that keys arrive there, and Qt's focus changes (clicks on line editors,
// window activation) come back as the same messages through the bridge.
#include "platform/internal/FocusState.h"

#include "platform/internal/MessagePump.h"

#include <QWidget>

namespace {

HWND g_focus = nullptr;
HWND g_capture = nullptr;
int g_qtFocusGuards = 0;

void Tell(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool throughPump)
{
    if (!LiveWindow(hwnd))
        return;
    if (throughPump) {
        MSG msg;
        msg.hwnd = hwnd;
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = lParam;
        DeliverThroughPump(msg);
    } else {
        SendMessageA(hwnd, message, wParam, lParam);
    }
}

bool InsideOrSame(HWND root, HWND hwnd)
{
    return hwnd && (hwnd == root || IsChild(root, hwnd));
}

} // namespace

QtFocusChangeGuard::QtFocusChangeGuard()
{
    ++g_qtFocusGuards;
}
QtFocusChangeGuard::~QtFocusChangeGuard()
{
    --g_qtFocusGuards;
}
bool QtFocusChangeGuard::active()
{
    return g_qtFocusGuards > 0;
}

void ChangeLogicalFocus(HWND hwnd, bool throughPump)
{
    HWND old = LiveWindow(g_focus);
    hwnd = LiveWindow(hwnd);
    if (old == hwnd)
        return;
    Tell(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0, throughPump);
    g_focus = LiveWindow(hwnd);
    Tell(g_focus, WM_SETFOCUS, reinterpret_cast<WPARAM>(LiveWindow(old)), 0, throughPump);
}

HWND SetFocus(HWND hwnd)
{
    if (hwnd && !LiveWindow(hwnd))
        return nullptr;
    HWND old = LiveWindow(g_focus);
    if (old == hwnd)
        return old;
    ChangeLogicalFocus(hwnd, false);
    QtFocusChangeGuard guard;
    if (WindowRecord* rec = LiveWindow(g_focus)) {
        QWidget* top = rec->widget->window();
        if (top->isVisible() && !top->isActiveWindow())
            top->activateWindow();
        rec->widget->setFocus(Qt::OtherFocusReason);
    } else if (WindowRecord* oldRec = LiveWindow(old)) {
        oldRec->widget->clearFocus();
    }
    return old;
}

HWND GetFocus()
{
    return LiveWindow(g_focus);
}

HWND SetCapture(HWND hwnd)
{
    if (!LiveWindow(hwnd))
        return nullptr;
    HWND old = LiveWindow(g_capture);
    g_capture = hwnd;
    if (old && old != hwnd)
        SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture()
{
    HWND old = LiveWindow(g_capture);
    g_capture = nullptr;
    if (old)
        SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture()
{
    return LiveWindow(g_capture);
}

void ForgetFocusAndCaptureInside(HWND hwnd)
{
    if (InsideOrSame(hwnd, LiveWindow(g_capture))) {
        HWND old = g_capture;
        g_capture = nullptr;
        SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    }
    if (InsideOrSame(hwnd, LiveWindow(g_focus))) {
        HWND old = g_focus;
        g_focus = nullptr;
        SendMessageA(old, WM_KILLFOCUS, 0, 0);
    }
}
