// Client area and non-client layout, moving and sizing, visibility and
// enabling, coordinate conversion.
#include "platform/internal/WindowRecord.h"

#include "platform/WindowPlacement.h"
#include "platform/internal/FocusState.h"
#include "platform/internal/MessagePump.h"
#include "platform/internal/ScrollBars.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>

BOOL IntersectRect(RECT* out, const RECT* a, const RECT* b)
{
    if (!out || !a || !b)
        return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *out = RECT{};
        return FALSE;
    }
    *out = r;
    return TRUE;
}

namespace {

int BorderWidth(const WindowRecord* rec)
{
    if (!(rec->style & WS_CHILD) || rec->windowClass->kind != WidgetKind::Plain)
        return 0;
    int border = 0;
    if (rec->style & WS_BORDER)
        border += 1;
    if (rec->exStyle & WS_EX_CLIENTEDGE)
        border += 2;
    return border;
}

} // namespace

QPoint ClientOrigin(const WindowRecord* rec)
{
    return QPoint(rec->insetLeft, rec->insetTop);
}

QSize ClientSize(const WindowRecord* rec)
{
    return QSize(std::max(0, rec->widget->width() - rec->insetLeft - rec->insetRight),
                 std::max(0, rec->widget->height() - rec->insetTop - rec->insetBottom));
}

QRect ClientRectInWidget(const WindowRecord* rec)
{
    return QRect(ClientOrigin(rec), ClientSize(rec));
}

void LayoutNonClient(WindowRecord* rec)
{
    const int border = BorderWidth(rec);
    const int extent = ScrollBarExtent();
    const int width = rec->widget->width();
    const int height = rec->widget->height();
    const int menuHeight = rec->menuWidget ? rec->menuWidget->sizeHint().height() : 0;
    const bool vert = rec->vert.shown;
    const bool horz = rec->horz.shown;

    rec->insetLeft = border;
    rec->insetTop = border + menuHeight;
    rec->insetRight = border + (vert ? extent : 0);
    rec->insetBottom = border + (horz ? extent : 0);

    if (rec->menuWidget)
        rec->menuWidget->setGeometry(border, border, std::max(0, width - 2 * border), menuHeight);
    if (rec->vert.bar) {
        rec->vert.bar->setGeometry(width - border - extent, rec->insetTop, extent,
                                   std::max(0, height - rec->insetTop - rec->insetBottom));
        rec->vert.bar->setVisible(vert);
    }
    if (rec->horz.bar) {
        rec->horz.bar->setGeometry(border, height - border - extent,
                                   std::max(0, width - border - rec->insetRight), extent);
        rec->horz.bar->setVisible(horz);
    }
}

void NotifySizeIfChanged(WindowRecord* rec, bool throughPump)
{
    const QSize size = ClientSize(rec);
    if (size == rec->reportedClientSize)
        return;
    rec->reportedClientSize = size;
    WPARAM type = SIZE_RESTORED;
    if (rec->widget->isWindow() && rec->widget->isMinimized())
        type = SIZE_MINIMIZED;
    else if (rec->widget->isWindow() && rec->widget->isMaximized())
        type = SIZE_MAXIMIZED;
    MSG msg;
    msg.hwnd = rec;
    msg.message = WM_SIZE;
    msg.wParam = type;
    msg.lParam = MAKELPARAM(size.width(), size.height());
    if (throughPump)
        DeliverThroughPump(msg);
    else
        SendMessageA(rec, WM_SIZE, msg.wParam, msg.lParam);
}

void NotifyMoveIfChanged(WindowRecord* rec)
{
    QPoint pos = rec->widget->pos() + ClientOrigin(rec);
    if ((rec->style & WS_CHILD) && rec->parent)
        pos -= ClientOrigin(rec->parent);
    if (pos == rec->reportedPosition)
        return;
    rec->reportedPosition = pos;
    SendMessageA(rec, WM_MOVE, 0, MAKELPARAM(pos.x(), pos.y()));
}

void ApplyEnabledState(WindowRecord* rec)
{
    const bool enabled = !(rec->style & WS_DISABLED);
    QtFocusChangeGuard guard;
    if (!rec->widget->isWindow()) {
        rec->widget->setEnabled(enabled);
        return;
    }
    // Qt would pass a window's state on to the windows it owns (a dialog
    // is a Qt child of its owner): only what lies inside the window gets it.
    for (QObject* object : rec->widget->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget->isWindow())
            continue;
        const WindowRecord* child = LiveWindow(WindowOfWidgetExact(widget));
        widget->setEnabled(enabled && !(child && (child->style & WS_DISABLED)));
    }
}

void ApplyStyleChange(WindowRecord* rec, DWORD oldStyle)
{
    const DWORD changed = rec->style ^ oldStyle;
    if (changed & WS_VISIBLE) {
        QtFocusChangeGuard guard;
        rec->widget->setVisible((rec->style & WS_VISIBLE) != 0);
    }
    if (changed & WS_DISABLED)
        ApplyEnabledState(rec);
    if (changed & (WS_VSCROLL | WS_HSCROLL | WS_BORDER)) {
        EnsureScrollBarWidgets(rec);
        LayoutNonClient(rec);
        NotifySizeIfChanged(rec, false);
    }
}

BOOL GetClientRect(HWND hwnd, RECT* rect)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !rect)
        return FALSE;
    const QSize size = ClientSize(rec);
    *rect = RECT{0, 0, size.width(), size.height()};
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !rect)
        return FALSE;
    const QPoint topLeft = rec->widget->mapToGlobal(QPoint(0, 0));
    *rect = RECT{topLeft.x(), topLeft.y(), topLeft.x() + rec->widget->width(),
                 topLeft.y() + rec->widget->height()};
    return TRUE;
}

namespace {

void PlaceWindow(WindowRecord* rec, const QPoint& pos, const QSize& size)
{
    QPoint widgetPos = pos;
    if ((rec->style & WS_CHILD) && rec->parent)
        widgetPos += ClientOrigin(rec->parent);
    rec->widget->setGeometry(QRect(widgetPos, QSize(std::max(size.width(), 0), std::max(size.height(), 0))));
    LayoutNonClient(rec);
    NotifyMoveIfChanged(rec);
    NotifySizeIfChanged(rec, false);
}

BOOL Show(HWND hwnd, int cmd, bool activate);

QPoint CurrentPosition(const WindowRecord* rec)
{
    QPoint pos = rec->widget->pos();
    if ((rec->style & WS_CHILD) && rec->parent)
        pos -= ClientOrigin(rec->parent);
    return pos;
}

} // namespace

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    PlaceWindow(rec, QPoint(x, y), QSize(width, height));
    if (repaint && LiveWindow(hwnd))
        InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOP)
            rec->widget->raise();
        else if (insertAfter == HWND_BOTTOM)
            rec->widget->lower();
        else if (const WindowRecord* above = LiveWindow(insertAfter))
            rec->widget->stackUnder(above->widget);
    }
    if ((flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
        const QPoint pos = (flags & SWP_NOMOVE) ? CurrentPosition(rec) : QPoint(x, y);
        const QSize size = (flags & SWP_NOSIZE) ? rec->widget->size() : QSize(cx, cy);
        PlaceWindow(rec, pos, size);
    }
    if (!LiveWindow(hwnd))
        return FALSE;
    if (flags & SWP_SHOWWINDOW)
        Show(hwnd, SW_SHOW, !(flags & SWP_NOACTIVATE));
    else if (flags & SWP_HIDEWINDOW)
        Show(hwnd, SW_HIDE, false);
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !pt)
        return FALSE;
    const QPoint global = rec->widget->mapToGlobal(ClientOrigin(rec) + QPoint(pt->x, pt->y));
    *pt = POINT{global.x(), global.y()};
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* pt)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !pt)
        return FALSE;
    const QPoint local = rec->widget->mapFromGlobal(QPoint(pt->x, pt->y)) - ClientOrigin(rec);
    *pt = POINT{local.x(), local.y()};
    return TRUE;
}

BOOL GetCursorPos(POINT* pt)
{
    if (!pt)
        return FALSE;
    // The offscreen platform has no pointer of its own; there the position
    // of the last mouse event is the cursor position.
    const QPoint pos = QGuiApplication::platformName() == QLatin1String("offscreen") ? LastMessagePosition()
                                                                                     : QCursor::pos();
    *pt = POINT{pos.x(), pos.y()};
    return TRUE;
}

namespace {

BOOL Show(HWND hwnd, int cmd, bool activate)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    const BOOL wasVisible = (rec->style & WS_VISIBLE) ? TRUE : FALSE;
    if (cmd == SW_HIDE) {
        if (!wasVisible)
            return FALSE;
        SendMessageA(hwnd, WM_SHOWWINDOW, FALSE, 0);
        if (!LiveWindow(hwnd))
            return wasVisible;
        rec->style &= ~WS_VISIBLE;
        rec->onScreen = false;
        QtFocusChangeGuard guard;
        rec->widget->hide();
        return wasVisible;
    }
    if (!wasVisible) {
        SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!LiveWindow(hwnd))
            return wasVisible;
        rec->style |= WS_VISIBLE;
    }
    QWidget* widget = rec->widget;
    if (cmd == SW_SHOWMINIMIZED && widget->isWindow()) {
        widget->showMinimized();
    } else {
        if (cmd == SW_SHOWMAXIMIZED && widget->isWindow())
            widget->showMaximized();
        else if ((cmd == SW_SHOWNORMAL || cmd == SW_RESTORE) && widget->isWindow()
                 && (widget->isMaximized() || widget->isMinimized()))
            widget->showNormal();
        else
            widget->show();
        // A window that appears is painted whole. Qt has dropped the paint
        // requests made while it was hidden, so its pending region is asked
        // for again, and the next immediate repaint paints it.
        if (!wasVisible && (rec->style & WS_CHILD)) {
            rec->updateRegion = QRegion();
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        // Frames and dialogs take the activation; tool windows and tips never do.
        const Qt::WindowType type = rec->widget->windowType();
        if (activate && (type == Qt::Window || type == Qt::Dialog))
            rec->widget->activateWindow();
    }
    return wasVisible;
}

} // namespace

BOOL ShowWindow(HWND hwnd, int cmd)
{
    return Show(hwnd, cmd, true);
}

BOOL IsWindowVisible(HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    for (; rec; rec = (rec->style & WS_CHILD) ? rec->parent : nullptr) {
        if (!(rec->style & WS_VISIBLE))
            return FALSE;
    }
    return TRUE;
}

BOOL IsWindowOnScreen(HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    const WindowRecord* top = LiveWindow(WindowOfWidgetExact(rec->widget->window()));
    return top && top->onScreen ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    const BOOL wasDisabled = (rec->style & WS_DISABLED) ? TRUE : FALSE;
    if (wasDisabled == !enable)
        return wasDisabled;
    if (enable)
        rec->style &= ~WS_DISABLED;
    else
        rec->style |= WS_DISABLED;
    ApplyEnabledState(rec);
    SendMessageA(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    return rec && !(rec->style & WS_DISABLED) ? TRUE : FALSE;
}
