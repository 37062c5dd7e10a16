// A bitmap selected into a memory device context, filled with one colour,
// for tests that draw through the platform and read the pixels back.
#pragma once

#include "platform/Gdi.h"

#include <vector>

namespace testsupport {

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }
    // The x positions in [x0, x1) of row y that hold this colour.
    std::vector<int> XsOf(COLORREF color, int y, int x0, int x1) const;
    // The y positions in [y0, y1) of column x that hold this colour.
    std::vector<int> YsOf(COLORREF color, int x, int y0, int y1) const;

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

} // namespace testsupport
