// The window under the mouse and the standard cursors. SetCursor shapes
// the pointer over the window the mouse is in, which is where WM_SETCURSOR
// asks for a shape; a window tracking the mouse's leave is told when the
// mouse moves on to another window.
#include "platform/internal/Cursors.h"

#include "platform/internal/WindowRecord.h"

#include <QWidget>

struct CursorRecord {
    Qt::CursorShape shape;
};

namespace {

CursorRecord g_cursors[] = {{Qt::ArrowCursor}, {Qt::WaitCursor}, {Qt::PointingHandCursor}, {Qt::IBeamCursor}};
HCURSOR g_current = nullptr;
HWND g_underMouse = nullptr;

} // namespace

void NoteWindowUnderMouse(HWND hwnd)
{
    HWND previous = LiveWindow(g_underMouse);
    g_underMouse = hwnd;
    if (previous && previous != hwnd && previous->trackLeave) {
        previous->trackLeave = false;
        PostMessageA(previous, WM_MOUSELEAVE, 0, 0);
    }
}

HWND WindowUnderMouse()
{
    return LiveWindow(g_underMouse);
}

HCURSOR LoadStandardCursor(StandardCursor which)
{
    return &g_cursors[static_cast<int>(which)];
}

HCURSOR SetCursor(HCURSOR cursor)
{
    HCURSOR old = g_current;
    g_current = cursor;
    if (WindowRecord* rec = LiveWindow(g_underMouse)) {
        const Qt::CursorShape shape = cursor ? cursor->shape : Qt::BlankCursor;
        if (rec->widget->cursor().shape() != shape)
            rec->widget->setCursor(shape);
    }
    return old;
}
