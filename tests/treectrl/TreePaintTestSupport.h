// Painting tests: the control paints through WM_PAINT into a memory device
// context with a bitmap, pixels are read back with GetPixel. System colours
// are set to distinct values for every test and restored afterwards.
#pragma once

#include "treectrl/TreeTestSupport.h"

#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "support/Canvas.h"

#include <memory>
#include <string>
#include <vector>

namespace paint {

constexpr COLORREF kWindow = RGB(255, 255, 255);
constexpr COLORREF kWindowText = RGB(0, 0, 0);
constexpr COLORREF kGrayText = RGB(128, 128, 128);
constexpr COLORREF kHighlight = RGB(0, 0, 200);
constexpr COLORREF kHighlightText = RGB(255, 255, 0);
constexpr COLORREF kBtnFace = RGB(212, 208, 200);
constexpr COLORREF k3dLight = RGB(230, 230, 230);
// What the canvas holds before a paint: anything else was painted.
constexpr COLORREF kUntouched = RGB(255, 0, 255);

// A canvas filled with kUntouched.
class Canvas : public testsupport::Canvas {
public:
    Canvas(int width, int height) : testsupport::Canvas(width, height, kUntouched) { }
    using testsupport::Canvas::At;
    // The colours at these points, in order.
    std::vector<COLORREF> At(std::initializer_list<POINT> points) const
    {
        std::vector<COLORREF> colors;
        for (const POINT& p : points)
            colors.push_back(At(p.x, p.y));
        return colors;
    }
};
using Colors = std::vector<COLORREF>;

// An image list of cx x cy images, image i filled with colors[i].
HIMAGELIST SolidImageList(int cx, int cy, const std::vector<COLORREF>& colors);

// from, from + step, ... up to to.
std::vector<int> Range(int from, int to, int step = 1);

} // namespace paint

class TreePaintTest : public TreeTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // WM_PAINT with the canvas as the passed device context; the window has
    // no update region, so the whole client area is painted.
    void Paint(const paint::Canvas& canvas) const;
    // A new 300 x 100 canvas, painted; it lives until the test ends.
    const paint::Canvas& Painted();
    // The same with this update rectangle pending (it stays pending).
    void PaintRegion(const paint::Canvas& canvas, const RECT& region) const;
    void SetColors(std::initializer_list<std::pair<int, COLORREF>> colors) const;
    void SetImages(HTREEITEM item, int image, int selectedImage) const;
    void Focus(bool on) const;

private:
    std::vector<COLORREF> m_savedColors;
    std::vector<std::unique_ptr<paint::Canvas>> m_canvases;
};
