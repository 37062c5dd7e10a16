// Exact pixels of the drawing operations on a bitmap: the focus frame,
// opaque text, bad handles. (Fills, lines, rectangles, opaque rectangles and
// masked images are the tree control's rows, buttons, dotted lines and item
// images, whose pixels its own tests check.)
#include "platform/Gdi.h"
#include "support/Canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class DrawingTest : public ::testing::Test {
protected:
    // Every pixel that is not white.
    std::set<std::pair<int, int>> Inked()
    {
        std::set<std::pair<int, int>> inked;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                if (canvas.At(x, y) != kWhite)
                    inked.insert({x, y});
        return inked;
    }

    testsupport::Canvas canvas{40, 30, kWhite};
    HDC dc = canvas.dc();
    HBITMAP bitmap = canvas.bitmap();
};

// Every other frame pixel is inverted, those with an even x + y wherever the
// frame starts; drawing it again restores the pixels.
TEST_F(DrawingTest, FocusRectInvertsEveryOtherFramePixelAndUndoesItself)
{
    using Pixels = std::set<std::pair<int, int>>;
    RECT r{2, 2, 8, 6};
    DrawFocusRect(dc, &r);
    EXPECT_EQ(Inked(), (Pixels{{2, 2}, {4, 2}, {6, 2}, {3, 5}, {5, 5}, {7, 5}, {2, 4}, {7, 3}}));
    for (const auto& [x, y] : Inked())
        EXPECT_EQ(GetPixel(dc, x, y), RGB(0, 0, 0)) << "white inverted is black";
    DrawFocusRect(dc, &r);
    EXPECT_TRUE(Inked().empty());

    // A frame far wider than the bitmap, its sides outside it: its rows.
    const RECT wide{-30001, 3, 30002, 9};
    DrawFocusRect(dc, &wide);
    EXPECT_EQ(Inked().size(), 40u);
    for (const auto& [x, y] : Inked())
        EXPECT_TRUE((y == 3 || y == 8) && (x + y) % 2 == 0) << x << "," << y;
    DrawFocusRect(dc, &wide);
    EXPECT_TRUE(Inked().empty());

    // Clipped at x 5 and 20: the left side of the first is cut off. Frames
    // of one row or one column invert each pixel once.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 5, 0, 20, 30);
    for (const RECT& frame : {RECT{3, 2, 12, 7}, RECT{6, 20, 15, 21}, RECT{17, 10, 18, 17}})
        DrawFocusRect(dc, &frame);
    const Pixels clipped = {{6, 2},  {8, 2},  {10, 2},  {11, 3},  {11, 5},  {6, 6},   {8, 6},   {10, 6},
                            {6, 20}, {8, 20}, {10, 20}, {12, 20}, {14, 20}, {17, 11}, {17, 13}, {17, 15}};
    EXPECT_EQ(Inked(), clipped);
    RestoreDC(dc, saved);
}

TEST_F(DrawingTest, OpaqueTextFillsItsCellWithTheBackgroundColour)
{
    SetBkColor(dc, kBlue);
    SetBkMode(dc, OPAQUE);
    ExtTextOutA(dc, 20, 10, 0, nullptr, " ", 1, nullptr);
    EXPECT_EQ(GetPixel(dc, 21, 12), kBlue);
}

TEST_F(DrawingTest, BadHandlesAndStockObjects)
{
    EXPECT_EQ(GetPixel(dc, 40, 0), CLR_INVALID) << "outside the bitmap";
    EXPECT_EQ(GetPixel(dc, -1, 0), CLR_INVALID);
    EXPECT_EQ(SetPixelV(nullptr, 0, 0, kRed), CLR_INVALID);
    EXPECT_FALSE(LineTo(nullptr, 1, 1));
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN))) << "deleting a stock object does nothing";
    EXPECT_NE(GetStockObject(BLACK_PEN), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap)) << "a selected bitmap stays";
    EXPECT_FALSE(ReleaseDC(nullptr, dc)) << "a memory context is deleted, not released";
}

} // namespace
