// The update region of each window: invalidation adds to it and asks Qt for
// a paint; BeginPaint validates it. UpdateWindow paints at once, inside a
// synchronous Qt paint event, when the region is not empty.
#include "platform/internal/WindowRecord.h"

#include <QWidget>

namespace {

int g_paintEventDepth = 0;

QRect ToQRect(const RECT& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

QRect ClientQRect(const WindowRecord* rec)
{
    return QRect(QPoint(0, 0), ClientSize(rec));
}

} // namespace

PaintEventScope::PaintEventScope(WindowRecord* rec) : m_rec(rec)
{
    ++g_paintEventDepth;
    rec->inPaintEvent = true;
}

PaintEventScope::~PaintEventScope()
{
    --g_paintEventDepth;
    if (LiveWindow(m_rec)) {
        // Whatever the procedure left unpainted, Qt will not ask again.
        m_rec->inPaintEvent = false;
        m_rec->updateRegion = QRegion();
        m_rec->eraseNeeded = false;
    }
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    const QRect client = ClientQRect(rec);
    const QRect area = rect ? ToQRect(*rect).intersected(client) : client;
    if (erase)
        rec->eraseNeeded = true;
    // Only an area wholly inside the pending region adds nothing (a region's
    // contains() of a rectangle tests for overlap, not inclusion).
    if (area.isEmpty() || QRegion(area).subtracted(rec->updateRegion).isEmpty())
        return TRUE;
    rec->updateRegion += area;
    rec->widget->update(area.translated(ClientOrigin(rec)));
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    if (rect)
        rec->updateRegion -= ToQRect(*rect);
    else
        rec->updateRegion = QRegion();
    if (rec->updateRegion.isEmpty())
        rec->eraseNeeded = false;
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    const QRect box = rec->updateRegion.boundingRect();
    if (rect)
        *rect = RECT{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
    return rec->updateRegion.isEmpty() ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND hwnd)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    if (rec->updateRegion.isEmpty() || !rec->widget->isVisible())
        return TRUE;
    const QRegion region = rec->updateRegion.translated(ClientOrigin(rec));
    // Qt cannot paint one widget from inside another's paint event; there
    // the paint follows as soon as the current one is done.
    if (g_paintEventDepth > 0)
        rec->widget->update(region);
    else
        rec->widget->repaint(region);
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, void*, UINT flags)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(hwnd, rect, (flags & RDW_ERASE) ? TRUE : FALSE);
    if (flags & RDW_FRAME)
        rec->widget->update();
    if (flags & RDW_ALLCHILDREN) {
        const std::vector<HWND> children = rec->children;
        for (HWND child : children)
            RedrawWindow(child, nullptr, nullptr, flags);
    }
    if ((flags & (RDW_UPDATENOW | RDW_ERASENOW)) && LiveWindow(hwnd))
        UpdateWindow(hwnd);
    return TRUE;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scrollRect, const RECT* clipRect)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec)
        return FALSE;
    if (dx == 0 && dy == 0)
        return TRUE;
    const QRect client = ClientQRect(rec);
    const QRect area = scrollRect ? ToQRect(*scrollRect).intersected(client) : client;
    const QRect clip = clipRect ? ToQRect(*clipRect).intersected(client) : client;
    const QRect moved = area.intersected(clip);

    // Pending invalidation moves with the content it belongs to.
    const QRegion pending = rec->updateRegion;
    QRegion shifted = pending.intersected(area).translated(dx, dy).intersected(moved);
    rec->updateRegion = pending.subtracted(moved) + shifted;
    const QRegion uncovered = QRegion(moved).subtracted(QRegion(area.translated(dx, dy)));
    rec->updateRegion += uncovered;
    if (!uncovered.isEmpty())
        rec->eraseNeeded = true;

    rec->widget->scroll(dx, dy, moved.translated(ClientOrigin(rec)));
    if (!scrollRect) {
        for (HWND child : rec->children) {
            child->widget->move(child->widget->pos() + QPoint(dx, dy));
            NotifyMoveIfChanged(child);
        }
    }
    return TRUE;
}
