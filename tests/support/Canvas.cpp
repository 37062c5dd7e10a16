#include "support/Canvas.h"

namespace testsupport {

Canvas::Canvas(int width, int height, COLORREF fill)
    : m_width(width),
      m_height(height),
      m_dc(CreateCompatibleDC(nullptr)),
      m_bitmap(CreateBitmap(width, height))
{
    m_old = SelectObject(m_dc, m_bitmap);
    HBRUSH brush = CreateSolidBrush(fill);
    const RECT all{0, 0, m_width, m_height};
    FillRect(m_dc, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas()
{
    SelectObject(m_dc, m_old);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
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

} // namespace testsupport
