#include "support/Canvas.h"

namespace testsupport {

Canvas::Canvas(int width, int height, COLORREF fill)
    : m_width(width),
      m_height(height),
      m_dc(CreateCompatibleDC(nullptr)),
      m_bitmap(CreateBitmap(width, height))
{
    m_old = SelectObject(m_dc, m_bitmap);
    Fill(fill);
}

Canvas::~Canvas()
{
    SelectObject(m_dc, m_old);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
}

void Canvas::Fill(COLORREF color) const
{
    HBRUSH brush = CreateSolidBrush(color);
    const RECT all{0, 0, m_width, m_height};
    FillRect(m_dc, &all, brush);
    DeleteObject(brush);
}

std::vector<int> Canvas::XsOf(COLORREF color, int y, int x0, int x1) const
{
    std::vector<int> xs;
    for (int x = x0; x < x1; ++x)
        if (At(x, y) == color)
            xs.push_back(x);
    return xs;
}

std::vector<int> Canvas::YsOf(COLORREF color, int x, int y0, int y1) const
{
    std::vector<int> ys;
    for (int y = y0; y < y1; ++y)
        if (At(x, y) == color)
            ys.push_back(y);
    return ys;
}

bool Canvas::operator==(const Canvas& other) const
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (At(x, y) != other.At(x, y))
                return false;
    return m_width == other.m_width && m_height == other.m_height;
}

} // namespace testsupport
