// The records behind font, pen, brush and bitmap handles, and the device
// context record. Not for use outside the platform layer.
#pragma once

#include "platform/Gdi.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRawFont>
#include <QRect>
#include <QRegion>

#include <memory>
#include <vector>

class QPainter;

enum class GdiKind { Font, Pen, Brush, Bitmap };

// Metrics of one font, shared by every font handle with the same face,
// size, weight and slant (the underline does not change them).
struct FontMetricsData {
    int advance[256] = {};
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    // How far past its own cell a glyph may ink, with room to spare: two of
    // the widest glyph advances (the tab's advance is no glyph's).
    int inkMargin = 0;
    // The face as a glyph source and each byte's glyph in it, for drawing
    // glyphs at their table positions without Qt's text layout. 0 where
    // only the layout knows what to draw: controls, format characters
    // (the soft hyphen) and characters the face lacks.
    QRawFont face;
    quint32 glyph[256] = {};
};

struct GdiObjectRecord {
    GdiKind kind = GdiKind::Brush;
    bool stock = false;

    // Fonts.
    LOGFONTA logFont;
    QFont font;
    std::shared_ptr<const FontMetricsData> metrics;
    bool testFont = false;

    // Pens and brushes.
    int penStyle = PS_SOLID;
    int penWidth = 1;
    COLORREF color = 0;
    bool nullBrush = false;
    int sysColor = -1; // a system-colour brush follows the table

    // Bitmaps.
    QImage image;
    DcRecord* selectedInto = nullptr;
};

GdiObjectRecord* LiveGdiObject(HGDIOBJ object);
GdiObjectRecord* LiveGdiObject(HGDIOBJ object, GdiKind kind);
GdiObjectRecord* NewGdiObject(GdiKind kind);

QColor ToQColor(COLORREF color);
COLORREF FromQColor(const QColor& color);
// The colour a brush paints with; false for the null brush and bad handles.
// Accepts the classic (HBRUSH)(COLOR_* + 1) form as a system colour.
bool BrushColor(HBRUSH brush, QColor* color);

// Fonts (Fonts.cpp).
HFONT DefaultGuiFont();
const FontMetricsData& MetricsOf(const GdiObjectRecord* font);
// The width of bytes in a font: the sum of the byte advances.
int TextWidth(const GdiObjectRecord* font, const char* text, int count);
// The Qt font of the platform's default GUI font, for Qt-side widgets.
QFont DefaultQFont();

// System colours (SystemColors.cpp).
void InitSystemColors();
void InitStockObjects();

// Device contexts --------------------------------------------------------

enum class DcKind { Paint, Window, Memory };

struct DcState {
    HFONT font = nullptr;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    QPoint position;
    bool clipped = false;
    QRegion clip; // device coordinates, when clipped
};

struct DcRecord {
    DcKind kind = DcKind::Memory;
    HWND hwnd = nullptr;
    HBITMAP bitmap = nullptr;
    std::unique_ptr<QPainter> painter;
    QRegion baseClip; // what the surface allows: update region or bitmap
    QFont painterFont;
    bool painterFontSet = false;
    DcState state;
    std::vector<DcState> saved;

    ~DcRecord();
};

DcRecord* LiveDc(HDC hdc);
HDC NewDc(DcKind kind, HWND hwnd);
// The font selected into the context, or the default GUI font.
const GdiObjectRecord* SelectedFont(const DcRecord* dc);
// What drawing can still change, in the context's coordinates: the
// context's clip (update region or bitmap, clip rectangles). Empty without
// a painter. Drawing outside it is skipped, not merely clipped.
QRect DrawableBox(const DcRecord* dc);
// Applies the clip of the state to the painter.
void ApplyClip(DcRecord* dc);
// Draws bytes with the selected font at (x, y) top-left; the advances are
// those of the font's table.
void DrawBytes(DcRecord* dc, int x, int y, const char* text, int count, const QColor& color);
