// A window's device context held for a scope: the context of one WM_PAINT
// (BeginPaint, EndPaint) or the window's context for measuring (GetDC,
// ReleaseDC). It is given back however the scope ends, also when painting
// or measuring runs out of memory half-way: a context left live keeps its
// painter on the widget, and the window would never paint again.
#pragma once

#include "platform/Gdi.h"

class ScopedPaint {
public:
    explicit ScopedPaint(HWND hwnd) : m_hWnd(hwnd), m_hDC(BeginPaint(hwnd, &m_ps)) {}
    ~ScopedPaint()
    {
        if (m_hDC)
            EndPaint(m_hWnd, &m_ps);
    }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;

    HDC Dc() const { return m_hDC; }
    const RECT& PaintRect() const { return m_ps.rcPaint; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_hDC;
};

class ScopedWindowDc {
public:
    explicit ScopedWindowDc(HWND hwnd) : m_hWnd(hwnd), m_hDC(GetDC(hwnd)) {}
    ~ScopedWindowDc()
    {
        if (m_hDC)
            ReleaseDC(m_hWnd, m_hDC);
    }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;

    HDC Dc() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};
