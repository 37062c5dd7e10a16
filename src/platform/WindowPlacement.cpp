// Where a top-level window lies when shown normally and whether it is
// maximised: read, and set so that the window stays within reach.
#include "platform/WindowPlacement.h"

#include "platform/internal/WindowRecord.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The window's rectangle shrunk and moved, as little as needed, so that its
// frame lies in the available area of the screen it overlaps most (the
// primary screen when it overlaps none): a place kept from another set of
// screens cannot put the window out of reach.
QRect WithinReach(QWidget* widget, QRect rect)
{
    const QScreen* best = QGuiApplication::primaryScreen();
    qint64 bestOverlap = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->availableGeometry() & rect;
        const qint64 area = qint64(overlap.width()) * overlap.height();
        if (area > bestOverlap) {
            best = screen;
            bestOverlap = area;
        }
    }
    if (!best)
        return rect;
    // The frame the window system puts around the window, as far as it is
    // known: the window is made on the window system for that.
    if (!widget->windowHandle())
        (void)widget->winId();
    const QRect frame = widget->frameGeometry();
    const QRect inner = widget->geometry();
    const QRect work =
        best->availableGeometry().adjusted(inner.left() - frame.left(), inner.top() - frame.top(),
                                           inner.right() - frame.right(), inner.bottom() - frame.bottom());
    rect.setSize(rect.size().boundedTo(work.size()));
    rect.moveLeft(std::clamp(rect.left(), work.left(), work.left() + work.width() - rect.width()));
    rect.moveTop(std::clamp(rect.top(), work.top(), work.top() + work.height() - rect.height()));
    return rect;
}

} // namespace

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !placement || !rec->widget->isWindow())
        return FALSE;
    const QWidget* widget = rec->widget;
    placement->showCmd = widget->isMaximized() ? SW_SHOWMAXIMIZED
        : widget->isMinimized()                ? SW_SHOWMINIMIZED
                                               : SW_SHOWNORMAL;
    // Qt keeps the normal place of a maximised window aside; a minimised
    // window keeps its own.
    const QRect normal =
        widget->isMaximized() || widget->isFullScreen() ? widget->normalGeometry() : widget->geometry();
    placement->rcNormalPosition =
        RECT{normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()};
    return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !placement || !rec->widget->isWindow())
        return FALSE;
    const RECT& r = placement->rcNormalPosition;
    const QRect normal = WithinReach(
        rec->widget, QRect(r.left, r.top, std::max(r.right - r.left, 1), std::max(r.bottom - r.top, 1)));
    // The normal place is the one a maximised window goes back to.
    if (rec->widget->isMaximized())
        rec->widget->showNormal();
    MoveWindow(hwnd, normal.left(), normal.top(), normal.width(), normal.height(), TRUE);
    if (LiveWindow(hwnd) && placement->showCmd != SW_HIDE)
        ShowWindow(hwnd, static_cast<int>(placement->showCmd));
    return LiveWindow(hwnd) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    return rec && rec->widget->isWindow() && rec->widget->isMaximized() ? TRUE : FALSE;
}
