// Handles of fonts, pens, brushes and bitmaps; stock objects; colours.
#include "platform/internal/GdiObjects.h"

#include <QPainter>

#include <cstring>
#include <memory>
#include <unordered_set>

namespace {

std::unordered_set<const GdiObjectRecord*> g_liveObjects;
HGDIOBJ g_stock[DEFAULT_GUI_FONT + 1] = {};

GdiObjectRecord* StockPen(COLORREF color, int style)
{
    GdiObjectRecord* pen = NewGdiObject(GdiKind::Pen);
    pen->stock = true;
    pen->color = color;
    pen->penStyle = style;
    return pen;
}

GdiObjectRecord* StockBrush(COLORREF color, bool null)
{
    GdiObjectRecord* brush = NewGdiObject(GdiKind::Brush);
    brush->stock = true;
    brush->color = color;
    brush->nullBrush = null;
    return brush;
}

} // namespace

GdiObjectRecord* NewGdiObject(GdiKind kind)
{
    auto object = std::make_unique<GdiObjectRecord>();
    object->kind = kind;
    g_liveObjects.insert(object.get());
    return object.release();
}

std::size_t LiveGdiObjectCount()
{
    return g_liveObjects.size();
}

GdiObjectRecord* LiveGdiObject(HGDIOBJ object)
{
    if (!object || !g_liveObjects.count(object))
        return nullptr;
    return object;
}

GdiObjectRecord* LiveGdiObject(HGDIOBJ object, GdiKind kind)
{
    GdiObjectRecord* record = LiveGdiObject(object);
    return record && record->kind == kind ? record : nullptr;
}

QColor ToQColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF FromQColor(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

bool BrushColor(HBRUSH brush, QColor* color)
{
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= static_cast<std::uintptr_t>(COLOR_COUNT)) {
        *color = ToQColor(GetSysColor(static_cast<int>(value) - 1));
        return true;
    }
    const GdiObjectRecord* record = LiveGdiObject(brush, GdiKind::Brush);
    if (!record || record->nullBrush)
        return false;
    *color = ToQColor(record->sysColor >= 0 ? GetSysColor(record->sysColor) : record->color);
    return true;
}

void InitStockObjects()
{
    g_stock[WHITE_BRUSH] = StockBrush(RGB(255, 255, 255), false);
    g_stock[BLACK_BRUSH] = StockBrush(RGB(0, 0, 0), false);
    g_stock[NULL_BRUSH] = StockBrush(0, true);
    g_stock[WHITE_PEN] = StockPen(RGB(255, 255, 255), PS_SOLID);
    g_stock[BLACK_PEN] = StockPen(RGB(0, 0, 0), PS_SOLID);
    g_stock[NULL_PEN] = StockPen(0, PS_NULL);
    g_stock[DEFAULT_GUI_FONT] = DefaultGuiFont();
}

HGDIOBJ GetStockObject(int which)
{
    if (which < 0 || which > DEFAULT_GUI_FONT)
        return nullptr;
    return g_stock[which];
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    if (style != PS_SOLID && style != PS_DOT && style != PS_NULL)
        return nullptr;
    GdiObjectRecord* pen = NewGdiObject(GdiKind::Pen);
    pen->penStyle = style;
    pen->penWidth = width < 1 ? 1 : width;
    pen->color = color & 0xFFFFFF;
    return pen;
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    GdiObjectRecord* brush = NewGdiObject(GdiKind::Brush);
    brush->color = color & 0xFFFFFF;
    return brush;
}

BOOL DeleteObject(HGDIOBJ object)
{
    GdiObjectRecord* record = LiveGdiObject(object);
    if (!record)
        return FALSE;
    if (record->stock)
        return TRUE;
    // Like the classic system: an object selected into a context stays.
    if (record->kind == GdiKind::Bitmap && record->selectedInto)
        return FALSE;
    g_liveObjects.erase(record);
    delete record;
    return TRUE;
}

int GetObjectA(HGDIOBJ object, int size, void* out)
{
    const GdiObjectRecord* record = LiveGdiObject(object);
    if (!record || !out)
        return 0;
    if (record->kind == GdiKind::Font && size >= static_cast<int>(sizeof(LOGFONTA))) {
        std::memcpy(out, &record->logFont, sizeof(LOGFONTA));
        return sizeof(LOGFONTA);
    }
    return 0;
}
