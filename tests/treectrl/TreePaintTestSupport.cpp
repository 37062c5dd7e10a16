#include "treectrl/TreePaintTestSupport.h"

#include <numeric>

namespace paint {

HIMAGELIST SolidImageList(int cx, int cy, const std::vector<COLORREF>& colors)
{
    const int count = static_cast<int>(colors.size());
    HBITMAP strip = CreateBitmap(cx * count, cy);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, strip);
    for (int i = 0; i < count; ++i) {
        HBRUSH brush = CreateSolidBrush(colors[static_cast<size_t>(i)]);
        const RECT rect{i * cx, 0, (i + 1) * cx, cy};
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    HIMAGELIST list = ImageList_Create(cx, cy, ILC_COLOR32, count, 1);
    ImageList_Add(list, strip, nullptr);
    DeleteObject(strip);
    return list;
}

std::vector<int> Range(int from, int to, int step)
{
    std::vector<int> values;
    for (int v = from; v <= to; v += step)
        values.push_back(v);
    return values;
}

} // namespace paint

void TreePaintTest::SetUp()
{
    TreeTest::SetUp();
    for (int i = 0; i < COLOR_COUNT; ++i)
        m_savedColors.push_back(GetSysColor(i));
    SetColors({{COLOR_WINDOW, paint::kWindow},
               {COLOR_WINDOWTEXT, paint::kWindowText},
               {COLOR_GRAYTEXT, paint::kGrayText},
               {COLOR_HIGHLIGHT, paint::kHighlight},
               {COLOR_HIGHLIGHTTEXT, paint::kHighlightText},
               {COLOR_BTNFACE, paint::kBtnFace},
               {COLOR_3DLIGHT, paint::k3dLight}});
}

void TreePaintTest::TearDown()
{
    std::vector<int> indexes(COLOR_COUNT);
    std::iota(indexes.begin(), indexes.end(), 0);
    SetSysColors(COLOR_COUNT, indexes.data(), m_savedColors.data());
    TreeTest::TearDown();
}

void TreePaintTest::Paint(const paint::Canvas& canvas) const
{
    ValidateRect(hwnd, nullptr);
    Send(WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()));
}

const paint::Canvas& TreePaintTest::Painted()
{
    m_canvases.push_back(std::make_unique<paint::Canvas>(300, 100));
    Paint(*m_canvases.back());
    return *m_canvases.back();
}

void TreePaintTest::PaintRegion(const paint::Canvas& canvas, const RECT& region) const
{
    ValidateRect(hwnd, nullptr);
    InvalidateRect(hwnd, &region, FALSE);
    Send(WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()));
}

void TreePaintTest::SetColors(std::initializer_list<std::pair<int, COLORREF>> colors) const
{
    for (const auto& [index, color] : colors)
        SetSysColors(1, &index, &color);
}

void TreePaintTest::SetImages(HTREEITEM item, int image, int selectedImage) const
{
    SetItem({.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE,
             .hItem = item,
             .iImage = image,
             .iSelectedImage = selectedImage});
}

void TreePaintTest::Focus(bool on) const
{
    SetFocus(on ? hwnd : parent.hwnd());
}
