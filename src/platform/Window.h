// The window manager: window classes, windows with replaceable procedures,
// messages, geometry, invalidation, scroll bars, timers, capture, focus and
// mouse-leave tracking. Every window is backed by one widget; see README.md.
#pragma once

#include "platform/WinMessages.h"

#include <functional>
#include <string>

// Window classes ----------------------------------------------------------

struct WNDCLASSA {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    HINSTANCE hInstance = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr; // null: COLOR_WINDOW
    const char* lpszClassName = nullptr;
};

// Registers an application window class; FALSE when the name is taken.
// The standard classes (tree view, progress, edit, static, button,
// tooltips) are registered by the platform itself.
BOOL RegisterClassA(const WNDCLASSA* wc);
BOOL GetClassInfoA(HINSTANCE hInstance, const char* className, WNDCLASSA* wc);
HINSTANCE GetModuleHandleA(const char* moduleName);

// Position or size chosen by the platform (top-level windows).
constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

struct CREATESTRUCTA {
    void* lpCreateParams = nullptr;
    HINSTANCE hInstance = nullptr;
    HMENU hMenu = 0;
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

// Creates a window of a registered class. WM_NCCREATE and WM_CREATE are sent
// (lParam: CREATESTRUCTA*) before it returns; a WM_CREATE answer of -1
// destroys the window again and the result is null. Then WM_SIZE and WM_MOVE
// report the initial client size and position. For a child, hMenu is the
// control id. A top-level window is not shown until ShowWindow.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU hMenu, HINSTANCE hInstance, void* param);
// Calls the hook with the next window that CreateWindowExA makes, once its
// handle exists and before WM_NCCREATE is sent, then forgets the hook. A
// class library uses it to attach its object (and subclass the window) so
// that the object sees the window's creation messages.
void HookNextWindowCreation(std::function<void(HWND)> hook);
// Sends WM_DESTROY (parent first, then children) and WM_NCDESTROY (children
// first), then frees the window.
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
// TRUE from the start of DestroyWindow on the window or an ancestor until
// the window is freed. The focus and the capture leave such a window before
// it hears WM_DESTROY; this tells that loss from an ordinary one.
BOOL IsWindowDestroying(HWND hwnd);

// Window procedures and data --------------------------------------------

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
// GWL_WNDPROC replaces the procedure (subclassing) and returns the old one;
// GWL_STYLE changes the style bits (WS_VISIBLE and WS_DISABLED take effect).
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
// Named per-window values, free for any layer (the user data slot belongs
// to the window's own procedure).
BOOL SetPropA(HWND hwnd, const char* name, void* value);
void* GetPropA(HWND hwnd, const char* name);
void* RemovePropA(HWND hwnd, const char* name);
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Default handling: WM_ERASEBKGND fills the client area with the class
// background, WM_PAINT validates, WM_SETTEXT/WM_GETTEXT keep the window
// text, WM_SETFONT/WM_GETFONT keep the font, WM_CONTEXTMENU goes on to the
// parent, WM_CLOSE destroys the window; the rest answers 0.
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Calls the window's current procedure at once and returns its result.
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues the message; it is delivered later through the message pump, so
// that the pre-translation hook sees it first. FALSE for a dead window.
BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Hierarchy ---------------------------------------------------------------

HWND GetParent(HWND hwnd);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND hwnd);
HWND GetTopLevelWindow(HWND hwnd);
HWND GetWindow(HWND hwnd, UINT cmd);
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_CHILD = 5;
BOOL IsChild(HWND parent, HWND hwnd);

// Text, visibility, enabling --------------------------------------------

BOOL SetWindowTextA(HWND hwnd, const char* text);
int GetWindowTextA(HWND hwnd, char* buffer, int maxCount);
int GetWindowTextLengthA(HWND hwnd);
// Convenience: the whole window text.
std::string GetWindowTextString(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int cmd);
BOOL IsWindowVisible(HWND hwnd);
// TRUE once the window's top-level window has been exposed by the window
// system and painted there, so that what it shows is on the display (being
// shown is not enough: the window system maps and exposes a window later).
// The first time this becomes true a new idle period starts.
BOOL IsWindowOnScreen(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);

// Geometry ------------------------------------------------------------------

// Client rectangle: left and top are 0; scroll bars are outside it.
BOOL GetClientRect(HWND hwnd, RECT* rect);
// Window rectangle in screen coordinates.
BOOL GetWindowRect(HWND hwnd, RECT* rect);
// Moves a child in its parent's client coordinates (a top-level window on
// the screen); sends WM_SIZE when the size changes.
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;
// insertAfter: the sibling to go behind, or HWND_TOP / HWND_BOTTOM.
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
inline HWND const HWND_TOP = nullptr;
inline HWND const HWND_BOTTOM = reinterpret_cast<HWND>(static_cast<std::intptr_t>(1));
BOOL ClientToScreen(HWND hwnd, POINT* pt);
BOOL ScreenToClient(HWND hwnd, POINT* pt);
BOOL GetCursorPos(POINT* pt);
// Screen position of the mouse at the last message that came through the
// pump (x in the low word, y in the high word, both signed 16-bit).
DWORD GetMessagePos();

// Invalidation and painting ---------------------------------------------

// Adds the rectangle (null: the whole client area) to the update region and
// schedules a WM_PAINT; with erase, BeginPaint sends WM_ERASEBKGND first.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
// Bounding rectangle of the update region; FALSE when it is empty.
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
// Sends WM_PAINT at once when the update region is not empty; what it
// paints is on the display when this returns (once the window is on the
// screen at all).
BOOL UpdateWindow(HWND hwnd);
BOOL RedrawWindow(HWND hwnd, const RECT* rect, void* region, UINT flags);
// Moves the client content by (dx, dy) and adds the uncovered part to the
// update region (no WM_PAINT yet; call UpdateWindow).
BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scrollRect, const RECT* clipRect);

// Scroll bars of windows created with WS_VSCROLL / WS_HSCROLL ---------------

// Sets the parts named by fMask and returns the new position. A bar is shown
// while nMax - nMin + 1 > nPage (with a page of 0: while nMax > nMin) and
// hidden otherwise; showing or hiding it changes the client area and sends
// WM_SIZE before this returns. User actions on a bar send WM_VSCROLL or
// WM_HSCROLL with the SB_* code through the pump.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* si, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* si);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);

// Timers, capture, focus, keyboard state ----------------------------------

// Posts WM_TIMER (wParam = id) every `elapse` ms until killed; setting an
// existing id restarts it.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
// Mouse messages go to the capture window while it is set. Taking the
// capture from another window, or releasing it, sends WM_CAPTURECHANGED
// (lParam = the new capture window) to the window that loses it.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
// Sends WM_KILLFOCUS to the old and WM_SETFOCUS to the new focus window
// (wParam = the other one) before it returns; keys go to the focus window.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// Negative while the key is down (VK_CONTROL, VK_SHIFT, VK_MENU, mouse
// buttons); bit 0 for toggles (caps, num and scroll lock).
short GetKeyState(int virtKey);
// TME_LEAVE posts one WM_MOUSELEAVE when the mouse leaves the window;
// TME_CANCEL withdraws the request.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme);
BOOL MessageBeep(UINT type);
int GetSystemMetrics(int index);
UINT GetDoubleClickTime();
DWORD GetTickCount();

// Cursors -----------------------------------------------------------------

enum class StandardCursor { Arrow, Wait, Hand, IBeam };
HCURSOR LoadStandardCursor(StandardCursor which);
HCURSOR SetCursor(HCURSOR cursor);

// Files dropped on a window: with WS_EX_ACCEPTFILES (or DragAcceptFiles) a
// drop sends WM_DROPFILES; wParam is a drop handle read with DragQueryFileA.
struct DropRecord;
using HDROP = DropRecord*;
void DragAcceptFiles(HWND hwnd, BOOL accept);
UINT DragQueryFileA(HDROP drop, UINT index, char* buffer, UINT size);
void DragFinish(HDROP drop);
