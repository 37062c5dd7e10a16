// The record behind a window handle and a window class, shared by the
// files of the window manager. Not for use outside the platform layer.
#pragma once

#include "platform/Window.h"

#include <QPointer>
#include <QRegion>
#include <QSize>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QScrollBar;
class QWidget;

// How a class's windows are backed: most by a plain widget whose events all
// become messages; the edit control by a line editor that keeps its own
// painting and mouse handling.
enum class WidgetKind { Plain, LineEdit };

struct WindowClassRecord {
    std::string name;
    WNDCLASSA wc;
    WidgetKind kind = WidgetKind::Plain;
};

// State a standard control keeps for itself, beside the user data slot
// (which belongs to whoever subclasses the control).
struct ControlState {
    virtual ~ControlState() = default;
};

struct ScrollBarState {
    QScrollBar* bar = nullptr;
    SCROLLINFO info;
    bool shown = false;
    bool disabledNoScroll = false; // SIF_DISABLENOSCROLL: kept visible but disabled
};

struct WindowRecord {
    const WindowClassRecord* windowClass = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT_PTR id = 0;
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    HWND parent = nullptr; // a child's parent, a top-level window's owner
    std::vector<HWND> children; // creation order
    std::string text;
    HFONT font = nullptr;
    HICON icons[2] = {}; // ICON_SMALL, ICON_BIG
    std::unordered_map<std::string, void*> props;

    QWidget* widget = nullptr;
    QPointer<QWidget> menuWidget; // above the client area (top-level windows)
    ScrollBarState vert;
    ScrollBarState horz;

    // Non-client insets, in widget pixels.
    int insetLeft = 0;
    int insetTop = 0;
    int insetRight = 0;
    int insetBottom = 0;
    QSize reportedClientSize{-1, -1}; // what the last WM_SIZE said
    QPoint reportedPosition{-1, -1}; // what the last WM_MOVE said

    QRegion updateRegion; // client coordinates
    bool eraseNeeded = false;
    bool inPaintEvent = false;
    bool onScreen = false; // top-level: exposed and painted on the display
    bool trackLeave = false;
    bool destroying = false;
    bool dead = false;

    std::unique_ptr<ControlState> control;
};

// Live-handle registry: every call that takes a handle checks it here, so
// that null and dead handles get a plain failure.
WindowRecord* LiveWindow(HWND hwnd);
const WindowClassRecord* FindWindowClass(const char* name);
BOOL RegisterWindowClassOfKind(const WNDCLASSA* wc, WidgetKind kind);
// Gives the window's widgets the enabled state of its style: a child's
// widget, or the widgets inside a top-level window (not the windows it owns).
void ApplyEnabledState(WindowRecord* rec);
// Makes WS_VISIBLE, WS_DISABLED, the scroll-bar and border bits of a new
// style take effect.
void ApplyStyleChange(WindowRecord* rec, DWORD oldStyle);

// Client area geometry inside the backing widget.
QPoint ClientOrigin(const WindowRecord* rec);
QRect ClientRectInWidget(const WindowRecord* rec);
QSize ClientSize(const WindowRecord* rec);
// Places scroll bars and menu widget for the widget's
// current size and recomputes the insets.
void LayoutNonClient(WindowRecord* rec);
// Sends WM_SIZE when the client size differs from the last one reported;
// through the pump when Qt's resize caused it, directly otherwise.
void NotifySizeIfChanged(WindowRecord* rec, bool throughPump);
void NotifyMoveIfChanged(WindowRecord* rec);

// Marks the time a window spends in Qt's paint event (BeginPaint paints on
// the widget only then) and drops what it left unpainted at the end.
class PaintEventScope {
public:
    explicit PaintEventScope(WindowRecord* rec);
    ~PaintEventScope();
    PaintEventScope(const PaintEventScope&) = delete;
    PaintEventScope& operator=(const PaintEventScope&) = delete;

private:
    WindowRecord* m_rec;
};

// The window that a widget backs, or null.
HWND WindowOfWidgetExact(const QWidget* widget);
