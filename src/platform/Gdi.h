// Drawing: device contexts over the platform's painter (on a window during
// WM_PAINT, on a bitmap, or for measuring only), fonts with exact byte
// metrics, pens, brushes, system colours. Text is bytes, shown as
// Windows-1252. Drawing is crisp: no antialiasing of lines or rectangles.
#pragma once

#include "platform/WinTypes.h"

#include <string>

// System colours -------------------------------------------------------------

constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_3DFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_3DSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DHILIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_HOTLIGHT = 26;
constexpr int COLOR_COUNT = 31;

// The table is derived from the application palette when the platform
// starts; SetSysColors overrides entries (tests use it for the colour rules).
COLORREF GetSysColor(int index);
BOOL SetSysColors(int count, const int* elements, const COLORREF* values);
HBRUSH GetSysColorBrush(int index);

// Fonts --------------------------------------------------------------------

constexpr int LF_FACESIZE = 32;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;

struct LOGFONTA {
    LONG lfHeight = 0; // negative: character height in pixels; positive: cell height
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = FW_NORMAL;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};

struct TEXTMETRICA {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
};

HFONT CreateFontIndirectA(const LOGFONTA* lf);
// The face name of the fixed-metrics test font. Every byte is exactly
// kTestFontCharWidth pixels wide and tmHeight is kTestFontHeight, so layout
// tests get exact numbers (rows of 16, a page of 6 in a client 100 high).
inline constexpr const char* kTestFontFace = "Lumenor Test Fixed";
constexpr LONG kTestFontHeight = 13;
constexpr LONG kTestFontCharWidth = 7;
HFONT CreateTestFont();

// Stock objects ------------------------------------------------------------

constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int DEFAULT_GUI_FONT = 17;
// Stock objects are never deleted; DeleteObject on them does nothing.
HGDIOBJ GetStockObject(int which);

// Pens, brushes, bitmaps ---------------------------------------------------

constexpr int PS_SOLID = 0;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
// A 32-bit bitmap, initially white.
HBITMAP CreateBitmap(int width, int height);
// The same kind of bitmap; every context draws in 32-bit colour.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
// Writes the bitmap as a PNG file (for looking at rendered output).
BOOL SaveBitmapPng(HBITMAP bitmap, const char* path);
// Renders the whole window as it paints now (with its menu bar and every
// child) and writes it as a PNG file; works offscreen too.
BOOL SaveWindowPng(HWND hwnd, const char* path);
BOOL DeleteObject(HGDIOBJ object);
// For fonts: fills a LOGFONTA; returns the bytes written, 0 on failure.
int GetObjectA(HGDIOBJ object, int size, void* out);

// Icons ---------------------------------------------------------------------

// An icon drawn from vector data (SVG) at the size it is drawn at and at the
// pixel density of the surface, so that it stays sharp at every scale.
// Null when the data is no picture. Windows show one as their icon
// (WM_SETICON), static controls of style SS_ICON (STM_SETIMAGE with
// IMAGE_ICON), image lists take copies (ImageList_AddIcon).
HICON CreateIconFromSvg(const char* data, size_t size);
BOOL DestroyIcon(HICON icon);
constexpr int kIconSize = 32; // the size of an icon drawn with cx and cy 0
constexpr UINT DI_NORMAL = 0x0003;
// Draws the icon over x, y, cx, cy; the step, brush and flags are accepted
// for the classic call (the icon has no frames and no mask of its own).
BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH background, UINT flags);

// Device contexts -----------------------------------------------------------

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
};

// Only inside WM_PAINT: a context drawing on the window's client area,
// clipped to the update region, which is then validated.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
// A context of the window for measuring text (drawing on it outside
// WM_PAINT draws nothing).
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);
// A memory context; select a bitmap into it to draw on the bitmap.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
HWND WindowFromDC(HDC hdc);

// Selects a font, pen, brush or bitmap and returns the one it replaces.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
constexpr UINT OBJ_PEN = 1;
constexpr UINT OBJ_BRUSH = 2;
constexpr UINT OBJ_FONT = 6;
constexpr UINT OBJ_BITMAP = 7;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* tm);
// Width and height of `count` bytes in the selected font: the sum of the
// bytes' advances from the font's table, which equals the drawn width.
BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int count, SIZE* size);

constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_EXPANDTABS = 0x0040;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;
// count -1: up to the terminating zero. Returns the text height.
int DrawTextA(HDC hdc, const char* text, int count, RECT* rect, UINT format);

constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;
// With ETO_OPAQUE the rectangle is filled with the background colour first.
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                 const int* dx);

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
COLORREF SetPixelV(HDC hdc, int x, int y, COLORREF color);
// The pixel of a memory context's bitmap; CLR_INVALID outside it and for
// contexts of windows.
COLORREF GetPixel(HDC hdc, int x, int y);
// Calls proc for every point of the line from (x1, y1) up to but excluding
// (x2, y2), as the classic line algorithm steps.
BOOL LineDDA(int x1, int y1, int x2, int y2, LINEDDAPROC proc, LPARAM data);
BOOL MoveToEx(HDC hdc, int x, int y, POINT* old);
// Draws with the selected pen from the current position up to but excluding
// the end point, which becomes the current position.
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT* points, int count);
// Outline with the selected pen, inside filled with the selected brush;
// right and bottom are exclusive.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
// The dotted focus rectangle: the frame pixels whose x + y is even (in the
// context's coordinates) are inverted.
BOOL DrawFocusRect(HDC hdc, const RECT* rect);
// Clip results: what kind of region the clip now is (0 on failure).
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int saved);
BOOL GetClipBox(HDC hdc, RECT* rect);
