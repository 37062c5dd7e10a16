// Device contexts: on a window during WM_PAINT (a QPainter on its widget,
// clipped to the client area and the update region), on a window for
// measuring, and in memory on a bitmap. Selected objects, colours, modes,
// clipping and the save stack.
#include "platform/internal/GdiObjects.h"

#include "platform/TestHooks.h"
#include "platform/internal/WindowRecord.h"

#include <QPainter>
#include <QWidget>

#include <memory>
#include <unordered_set>

namespace {

std::unordered_set<const DcRecord*> g_liveDcs;

HBITMAP DefaultBitmap()
{
    // What a fresh memory context holds: one white pixel, never drawn on.
    static HBITMAP bitmap = [] {
        HBITMAP b = CreateBitmap(1, 1);
        b->stock = true;
        return b;
    }();
    return bitmap;
}

bool WindowHasPaintPainter(HWND hwnd)
{
    for (const DcRecord* dc : g_liveDcs) {
        if (dc->kind == DcKind::Paint && dc->hwnd == hwnd && dc->painter)
            return true;
    }
    return false;
}

QRegion EffectiveClip(const DcRecord* dc)
{
    return dc->state.clipped ? dc->baseClip.intersected(dc->state.clip) : dc->baseClip;
}

int RegionKind(const QRegion& region)
{
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

void FreeDc(DcRecord* dc)
{
    g_liveDcs.erase(dc);
    delete dc;
}

// A context made but not yet handed out: given back if making it fails
// half-way (out of memory), so that none stays live without an owner.
struct DcFree {
    void operator()(DcRecord* dc) const { FreeDc(dc); }
};
using PendingDc = std::unique_ptr<DcRecord, DcFree>;

void Unselect(DcRecord* dc)
{
    dc->painter.reset();
    dc->painterFontSet = false;
    if (GdiObjectRecord* old = LiveGdiObject(dc->bitmap, GdiKind::Bitmap)) {
        if (old->selectedInto == dc)
            old->selectedInto = nullptr;
    }
    dc->bitmap = nullptr;
}

} // namespace

DcRecord::~DcRecord() = default;

std::size_t LiveDcCount()
{
    return g_liveDcs.size();
}

DcRecord* LiveDc(HDC hdc)
{
    if (!hdc || !g_liveDcs.count(hdc))
        return nullptr;
    return hdc;
}

HDC NewDc(DcKind kind, HWND hwnd)
{
    auto dc = std::make_unique<DcRecord>();
    dc->kind = kind;
    dc->hwnd = hwnd;
    dc->state.font = DefaultGuiFont();
    dc->state.pen = GetStockObject(BLACK_PEN);
    dc->state.brush = GetStockObject(WHITE_BRUSH);
    g_liveDcs.insert(dc.get());
    return dc.release();
}

const GdiObjectRecord* SelectedFont(const DcRecord* dc)
{
    const GdiObjectRecord* font = LiveGdiObject(dc->state.font, GdiKind::Font);
    return font ? font : DefaultGuiFont();
}

QRect DrawableBox(const DcRecord* dc)
{
    // The context's own clip, in its own coordinates; the painter's
    // transform also scales to device pixels and is no guide here.
    return dc->painter ? EffectiveClip(dc).boundingRect() : QRect();
}

void ApplyClip(DcRecord* dc)
{
    if (dc->painter)
        dc->painter->setClipRegion(EffectiveClip(dc));
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps)
{
    WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !ps)
        return nullptr;
    const QRegion region = rec->updateRegion.intersected(QRect(QPoint(0, 0), ClientSize(rec)));
    const bool erase = rec->eraseNeeded;
    rec->updateRegion = QRegion();
    rec->eraseNeeded = false;

    // A context left live would also keep its painter on the widget, and no
    // later paint of the window would get one.
    PendingDc hdc(NewDc(DcKind::Paint, hwnd));
    hdc->baseClip = region;
    // Painting on the widget is only possible inside Qt's paint event; a
    // WM_PAINT sent from elsewhere gets a context that draws nothing.
    if (rec->inPaintEvent && !WindowHasPaintPainter(hwnd)) {
        hdc->painter = std::make_unique<QPainter>(rec->widget);
        hdc->painter->translate(ClientOrigin(rec));
        ApplyClip(hdc.get());
    }
    const QRect bounds = region.boundingRect();
    ps->hdc = hdc.get();
    ps->rcPaint =
        RECT{bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height()};
    ps->fErase = FALSE;
    if (erase)
        ps->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc.get()), 0) ? FALSE : TRUE;
    return hdc.release();
}

BOOL EndPaint(HWND, const PAINTSTRUCT* ps)
{
    if (!ps)
        return FALSE;
    DcRecord* dc = LiveDc(ps->hdc);
    if (!dc || dc->kind != DcKind::Paint)
        return FALSE;
    FreeDc(dc);
    return TRUE;
}

HDC GetDC(HWND hwnd)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (hwnd && !rec)
        return nullptr;
    PendingDc hdc(NewDc(DcKind::Window, hwnd));
    if (rec)
        hdc->baseClip = QRegion(QRect(QPoint(0, 0), ClientSize(rec)));
    return hdc.release();
}

int ReleaseDC(HWND, HDC hdc)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc || dc->kind != DcKind::Window)
        return 0;
    FreeDc(dc);
    return 1;
}

HDC CreateCompatibleDC(HDC hdc)
{
    if (hdc && !LiveDc(hdc))
        return nullptr;
    PendingDc dc(NewDc(DcKind::Memory, nullptr));
    dc->bitmap = DefaultBitmap();
    return dc.release();
}

BOOL DeleteDC(HDC hdc)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc || dc->kind != DcKind::Memory)
        return FALSE;
    Unselect(dc);
    FreeDc(dc);
    return TRUE;
}

HWND WindowFromDC(HDC hdc)
{
    const DcRecord* dc = LiveDc(hdc);
    return dc ? LiveWindow(dc->hwnd) : nullptr;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object)
{
    DcRecord* dc = LiveDc(hdc);
    GdiObjectRecord* record = LiveGdiObject(object);
    if (!dc || !record)
        return nullptr;
    HGDIOBJ old = nullptr;
    switch (record->kind) {
    case GdiKind::Font:
        old = dc->state.font;
        dc->state.font = record;
        break;
    case GdiKind::Pen:
        old = dc->state.pen;
        dc->state.pen = record;
        break;
    case GdiKind::Brush:
        old = dc->state.brush;
        dc->state.brush = record;
        break;
    case GdiKind::Bitmap:
        if (dc->kind != DcKind::Memory || (record->selectedInto && record->selectedInto != dc))
            return nullptr;
        old = dc->bitmap;
        if (old == record)
            return old;
        Unselect(dc);
        dc->bitmap = record;
        dc->baseClip = QRegion(record->image.rect());
        if (!record->stock) {
            record->selectedInto = dc;
            dc->painter = std::make_unique<QPainter>(&record->image);
            ApplyClip(dc);
        }
        break;
    }
    return old;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type)
{
    const DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->state.pen;
    case OBJ_BRUSH:
        return dc->state.brush;
    case OBJ_FONT:
        return dc->state.font;
    case OBJ_BITMAP:
        return dc->bitmap;
    default:
        return nullptr;
    }
}

int SetBkMode(HDC hdc, int mode)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    const int old = dc->state.bkMode;
    dc->state.bkMode = mode;
    return old;
}

int GetBkMode(HDC hdc)
{
    const DcRecord* dc = LiveDc(hdc);
    return dc ? dc->state.bkMode : 0;
}

COLORREF SetBkColor(HDC hdc, COLORREF color)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF old = dc->state.bkColor;
    dc->state.bkColor = color & 0xFFFFFF;
    return old;
}

COLORREF GetBkColor(HDC hdc)
{
    const DcRecord* dc = LiveDc(hdc);
    return dc ? dc->state.bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF old = dc->state.textColor;
    dc->state.textColor = color & 0xFFFFFF;
    return old;
}

COLORREF GetTextColor(HDC hdc)
{
    const DcRecord* dc = LiveDc(hdc);
    return dc ? dc->state.textColor : CLR_INVALID;
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return 0;
    const QRegion rect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    dc->state.clip = dc->state.clipped ? dc->state.clip.intersected(rect) : rect;
    dc->state.clipped = true;
    ApplyClip(dc);
    return RegionKind(EffectiveClip(dc));
}

BOOL GetClipBox(HDC hdc, RECT* rect)
{
    const DcRecord* dc = LiveDc(hdc);
    if (!dc || !rect)
        return 0;
    const QRect box = EffectiveClip(dc).boundingRect();
    *rect = RECT{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
    return RegionKind(EffectiveClip(dc));
}

int SaveDC(HDC hdc)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return 0;
    dc->saved.push_back(dc->state);
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int saved)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc)
        return FALSE;
    const int depth = static_cast<int>(dc->saved.size());
    const int level = saved < 0 ? depth + 1 + saved : saved;
    if (level < 1 || level > depth)
        return FALSE;
    dc->state = dc->saved[static_cast<size_t>(level - 1)];
    dc->saved.resize(static_cast<size_t>(level - 1));
    ApplyClip(dc);
    return TRUE;
}
