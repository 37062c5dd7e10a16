// Crisp drawing: pixels, lines stepped as the classic line algorithm does,
// rectangles and fills, and the inverted focus frame. No antialiasing;
// every operation says exactly which pixels it touches.
#include "platform/internal/GdiObjects.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <utility>

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

// White on the pixels whose x + y is even, black on the others: XORed onto
// a surface it inverts the first and leaves the second as they are (the
// surfaces are opaque). The pattern is anchored at the context's origin.
const QBrush& EvenPixelsWhite()
{
    static const QBrush brush = [] {
        QImage tile(2, 2, QImage::Format_RGB32);
        tile.setPixel(0, 0, 0xFFFFFFFF);
        tile.setPixel(1, 1, 0xFFFFFFFF);
        tile.setPixel(1, 0, 0xFF000000);
        tile.setPixel(0, 1, 0xFF000000);
        return QBrush(tile);
    }();
    return brush;
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
    // The four edges, each pixel once: the rows take the corners, the
    // columns what lies between them.
    const int left = rect->left;
    const int top = rect->top;
    const int right = rect->right - 1;
    const int bottom = rect->bottom - 1;
    const int width = right - left + 1;
    const int between = bottom - top - 1;
    QRect edges[4] = {QRect(left, top, width, 1)};
    if (bottom > top)
        edges[1] = QRect(left, bottom, width, 1);
    if (between > 0) {
        edges[2] = QRect(left, top + 1, 1, between);
        if (right > left)
            edges[3] = QRect(right, top + 1, 1, between);
    }
    // A frame reaching far beyond the surface (a label 30,000 px wide) is
    // worked only where it can change pixels.
    const QRect box = DrawableBox(dc);
    QPainter& painter = *dc->painter;
    const QPointF origin = painter.brushOrigin();
    painter.setBrushOrigin(0, 0);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const QRect& edge : edges) {
        const QRect part = edge & box;
        if (!part.isEmpty())
            painter.fillRect(part, EvenPixelsWhite());
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setBrushOrigin(origin);
    return TRUE;
}
