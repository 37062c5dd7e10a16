// Crisp drawing: pixels, lines stepped as the classic line algorithm does,
// rectangles and fills, and the inverted focus frame. No antialiasing;
// every operation says exactly which pixels it touches.
#include "platform/GdiObjects.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace {

void FillPixels(DcRecord* dc, const QRect& rect, const QColor& color)
{
    if (dc->painter && !rect.isEmpty())
        dc->painter->fillRect(rect, color);
}

// The classic line stepping: the points from (x1, y1) up to but excluding
// (x2, y2), one per step along the major axis.
template <class Visit>
void StepLine(int x1, int y1, int x2, int y2, Visit visit)
{
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const int sx = x2 > x1 ? 1 : -1;
    const int sy = y2 > y1 ? 1 : -1;
    int x = x1;
    int y = y1;
    if (dx >= dy) {
        int error = dx / 2;
        for (int i = 0; i < dx; ++i) {
            visit(x, y);
            x += sx;
            error -= dy;
            if (error < 0) {
                y += sy;
                error += dx;
            }
        }
    } else {
        int error = dy / 2;
        for (int i = 0; i < dy; ++i) {
            visit(x, y);
            y += sy;
            error -= dx;
            if (error < 0) {
                x += sx;
                error += dy;
            }
        }
    }
}

void DrawPenLine(DcRecord* dc, int x1, int y1, int x2, int y2)
{
    const GdiObjectRecord* pen = LiveGdiObject(dc->state.pen, GdiKind::Pen);
    if (!pen || pen->penStyle == PS_NULL || !dc->painter)
        return;
    const QColor color = ToQColor(pen->color);
    if (pen->penWidth > 1) {
        QPen qpen(color, pen->penWidth, Qt::SolidLine, Qt::SquareCap);
        dc->painter->setPen(qpen);
        dc->painter->drawLine(x1, y1, x2, y2);
        return;
    }
    if (pen->penStyle == PS_SOLID && (x1 == x2 || y1 == y2)) {
        // Straight runs as one fill: the common case of every outline. The
        // end point is excluded, whichever way the line runs.
        if (y1 == y2 && x1 != x2)
            FillPixels(dc, x2 > x1 ? QRect(x1, y1, x2 - x1, 1) : QRect(x2 + 1, y1, x1 - x2, 1), color);
        else if (x1 == x2 && y1 != y2)
            FillPixels(dc, y2 > y1 ? QRect(x1, y1, 1, y2 - y1) : QRect(x1, y2 + 1, 1, y1 - y2), color);
        return;
    }
    bool on = true;
    const bool dotted = pen->penStyle == PS_DOT;
    StepLine(x1, y1, x2, y2, [&](int x, int y) {
        if (on)
            FillPixels(dc, QRect(x, y, 1, 1), color);
        if (dotted)
            on = !on;
    });
}

} // namespace

COLORREF SetPixelV(HDC hdc, int x, int y, COLORREF color)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return CLR_INVALID;
    FillPixels(dc, QRect(x, y, 1, 1), ToQColor(color));
    return color & 0xFFFFFF;
}

COLORREF GetPixel(HDC hdc, int x, int y)
{
    const DcRecord* dc = LiveDc(hdc);
    if (!dc || dc->kind != DcKind::Memory)
        return CLR_INVALID;
    const GdiObjectRecord* bitmap = LiveGdiObject(dc->bitmap, GdiKind::Bitmap);
    if (!bitmap || !bitmap->image.rect().contains(x, y))
        return CLR_INVALID;
    return FromQColor(QColor::fromRgb(bitmap->image.pixel(x, y)));
}

BOOL LineDDA(int x1, int y1, int x2, int y2, LINEDDAPROC proc, LPARAM data)
{
    if (!proc)
        return FALSE;
    StepLine(x1, y1, x2, y2, [&](int x, int y) { proc(x, y, data); });
    return TRUE;
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* old)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return FALSE;
    if (old)
        *old = POINT{dc->state.position.x(), dc->state.position.y()};
    dc->state.position = QPoint(x, y);
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return FALSE;
    DrawPenLine(dc, dc->state.position.x(), dc->state.position.y(), x, y);
    dc->state.position = QPoint(x, y);
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc || !points || count < 2)
        return FALSE;
    for (int i = 1; i < count; ++i)
        DrawPenLine(dc, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return FALSE;
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const GdiObjectRecord* pen = LiveGdiObject(dc->state.pen, GdiKind::Pen);
    const bool outline = pen && pen->penStyle != PS_NULL;
    QColor fill;
    if (BrushColor(dc->state.brush, &fill)) {
        // Without an outline the figure is one pixel smaller, as classically.
        const QRect inside = outline ? QRect(left + 1, top + 1, right - left - 2, bottom - top - 2)
                                     : QRect(left, top, right - left - 1, bottom - top - 1);
        FillPixels(dc, inside, fill);
    }
    if (outline && right - left >= 1 && bottom - top >= 1) {
        const int r = right - 1;
        const int b = bottom - 1;
        DrawPenLine(dc, left, top, r, top);
        DrawPenLine(dc, r, top, r, b);
        DrawPenLine(dc, r, b, left, b);
        DrawPenLine(dc, left, b, left, top);
    }
    return TRUE;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    DcRecord* dc = LiveDc(hdc);
    QColor color;
    if (!dc || !rect || !BrushColor(brush, &color))
        return 0;
    FillPixels(dc, QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top), color);
    return 1;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc || !rect)
        return FALSE;
    if (!dc->painter || IsRectEmpty(rect))
        return TRUE;
    std::set<std::pair<int, int>> frame;
    for (int x = rect->left; x < rect->right; ++x) {
        frame.insert({x, rect->top});
        frame.insert({x, rect->bottom - 1});
    }
    for (int y = rect->top; y < rect->bottom; ++y) {
        frame.insert({rect->left, y});
        frame.insert({rect->right - 1, y});
    }
    QPainter& painter = *dc->painter;
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const auto& [x, y] : frame) {
        if (((x + y) & 1) == 0)
            painter.fillRect(QRect(x, y, 1, 1), Qt::white);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    return TRUE;
}
