// Geometry helpers over the window system's RECT, POINT and SIZE.
#pragma once

#include "platform/WinTypes.h"

class CRect : public RECT {
public:
    CRect() : RECT{} { }
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} { }
    CRect(const RECT& r) : RECT(r) { }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return IsRectEmpty(this) != 0; }
    bool Contains(POINT pt) const { return PtInRect(this, pt) != 0; }
    void Offset(int dx, int dy) { OffsetRect(this, dx, dy); }
    void Deflate(int dx, int dy)
    {
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
    }
    bool operator==(const CRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
