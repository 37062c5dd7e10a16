// Basic types of the message-based window system: handles, message
// parameters, geometry and the packing macros, under their customary names.
#pragma once

#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using INT = int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using COLORREF = DWORD;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Opaque handles. Each is a pointer to a record owned by the platform layer
// (windows, fonts, pens, brushes, bitmaps, device contexts, image lists,
// cursors, icons).
struct WindowRecord;
struct GdiObjectRecord;
struct DcRecord;
struct ImageListRecord;
struct CursorRecord;
struct IconRecord;
struct InstanceRecord;
using HWND = WindowRecord*;
using HGDIOBJ = GdiObjectRecord*;
using HFONT = GdiObjectRecord*;
using HPEN = GdiObjectRecord*;
using HBRUSH = GdiObjectRecord*;
using HBITMAP = GdiObjectRecord*;
using HDC = DcRecord*;
using HIMAGELIST = ImageListRecord*;
using HCURSOR = CursorRecord*;
using HICON = IconRecord*;
using HINSTANCE = InstanceRecord*;
using HMENU = std::uintptr_t; // child windows: the control id

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
using LINEDDAPROC = void (*)(int, int, LPARAM);

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

constexpr WORD LOWORD(std::uintptr_t v)
{
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t v)
{
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr int GET_X_LPARAM(LPARAM lp)
{
    return static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lp)));
}
constexpr int GET_Y_LPARAM(LPARAM lp)
{
    return static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lp)));
}
constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM wp)
{
    return static_cast<short>(HIWORD(wp));
}
constexpr WORD GET_XBUTTON_WPARAM(WPARAM wp)
{
    return HIWORD(wp);
}

// WM_APPCOMMAND: the command and where it came from, in the high word of
// lParam.
constexpr WORD APPCOMMAND_BROWSER_BACKWARD = 1;
constexpr WORD APPCOMMAND_BROWSER_FORWARD = 2;
constexpr WORD FAPPCOMMAND_MOUSE = 0x8000;
constexpr WORD FAPPCOMMAND_MASK = 0xF000;
constexpr WORD GET_APPCOMMAND_LPARAM(LPARAM lp)
{
    return static_cast<WORD>(HIWORD(static_cast<std::uintptr_t>(lp)) & ~FAPPCOMMAND_MASK);
}
constexpr LPARAM MAKELPARAM(int lo, int hi)
{
    return static_cast<LPARAM>(
        static_cast<DWORD>((static_cast<WORD>(lo)) | (static_cast<DWORD>(static_cast<WORD>(hi)) << 16)));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi)
{
    return static_cast<WPARAM>(static_cast<DWORD>(MAKELPARAM(lo, hi)));
}
constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr BYTE GetRValue(COLORREF c)
{
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c)
{
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c)
{
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

inline BOOL PtInRect(const RECT* r, POINT p)
{
    return p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom;
}
inline BOOL IsRectEmpty(const RECT* r)
{
    return r->right <= r->left || r->bottom <= r->top;
}
inline void SetRect(RECT* r, int l, int t, int rt, int b)
{
    *r = RECT{l, t, rt, b};
}
inline void OffsetRect(RECT* r, int dx, int dy)
{
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
}
BOOL IntersectRect(RECT* out, const RECT* a, const RECT* b);
