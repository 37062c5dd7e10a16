// The Qt side of windows, for the framework layer (the only other layer
// that may include Qt): the widget behind a window, the window behind a
// widget, and the menu bar hosted above a window's client area.
#pragma once

#include "platform/Gdi.h"
#include "platform/Window.h"

#include <QColor>
#include <QFont>
#include <QImage>

class QPainter;
class QWidget;

// The widget that backs a window; null for a bad handle.
QWidget* WidgetOfWindow(HWND hwnd);
// The window a widget belongs to: the window it backs, or the nearest
// ancestor's (so a hosted widget answers its host window).
HWND WindowOfWidget(const QWidget* widget);

// Puts a widget (a QMenuBar) at the top of a top-level window, above and
// outside its client area, which shrinks by the widget's height (WM_SIZE).
// Null removes it again.
BOOL SetWindowMenuWidget(HWND hwnd, QWidget* menu);

// Drawing with Qt on a device context: its painter (null for measuring
// contexts), in the context's coordinates and clip.
QPainter* PainterOfDC(HDC hdc);
QFont QFontOfFont(HFONT font);
inline QColor QColorOf(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

// What a window shows now, client area only, read from Qt's backing store
// (no paint is caused), in device pixels. Null when the window is not on
// the screen.
QImage GrabWindowImage(HWND hwnd);
