// Dotted connector lines, pixel by pixel. With the test font rows are 16
// high, so the junction of a row lies 8 below its top; with indent 19 and
// lines at root an item of depth d has its junction at x = 19 d + 9 and its
// horizontal run starts at x = 19 d + 18.
#include "treectrl/TreePaintTestSupport.h"

namespace {

using paint::Canvas;
using paint::kGrayText;
using paint::kWindow;
using paint::kWindowText;
using paint::Range;

constexpr DWORD kLines = WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

class TreePaintLinesTest : public TreePaintTest { };

TEST_F(TreePaintLinesTest, EveryOtherPointFromTheStartAndTheRunsStop)
{
    CreateTree(kLines);
    Insert(nullptr, "a");
    const Canvas& alone = Painted();
    EXPECT_EQ(alone.XsOf(kGrayText, 8, 0, 19), (std::vector<int>{11, 13, 15, 17}))
        << "the 2nd, 4th, ... of the points 18 down to 10; the junction (9, 8) is left out";
    EXPECT_TRUE(alone.YsOf(kGrayText, 9, 0, 100).empty()) << "a first root item has nothing to connect to";

    Insert(nullptr, "b");
    const Canvas& two = Painted();
    EXPECT_EQ(two.XsOf(kGrayText, 24, 0, 19), (std::vector<int>{9, 11, 13, 15, 17}));
    EXPECT_EQ(two.YsOf(kGrayText, 9, 0, 100), Range(8, 24, 2))
        << "the phase carries on: the junction is the 10th point; the run ends at the sibling's junction";
    EXPECT_EQ(two.At({{9, 7}, {9, 6}}), (paint::Colors{kWindow, kWindow})) << "nothing above the end";
}

TEST_F(TreePaintLinesTest, ChildLineStopsAtTheTopOfTheRowBelowItsParent)
{
    CreateTree(kLines);
    HTREEITEM a = Insert(nullptr, "a");
    Insert(a, "c");
    Insert(nullptr, "b");
    Expand(a, TVE_EXPAND);
    const Canvas& canvas = Painted();
    EXPECT_EQ(canvas.XsOf(kGrayText, 24, 19, 38), (std::vector<int>{28, 30, 32, 34, 36}));
    EXPECT_EQ(canvas.YsOf(kGrayText, 28, 0, 100), Range(16, 24, 2))
        << "up to the parent's row bottom, inclusive";
    EXPECT_EQ(canvas.YsOf(kGrayText, 9, 0, 100), Range(8, 40, 2)) << "b reaches over a's child to a";
}

TEST_F(TreePaintLinesTest, LineToAPreviousSiblingEndsOnItsButtonBox)
{
    CreateTree(kLines | TVS_HASBUTTONS);
    HTREEITEM a = Insert(nullptr, "a");
    Insert(a, "c");
    Insert(nullptr, "b");
    const Canvas& canvas = Painted();
    // a's box spans 5..13 by 4..12 around its junction (9, 8).
    EXPECT_EQ(canvas.YsOf(kGrayText, 9, 0, 32), (std::vector<int>{4, 12, 14, 16, 18, 20, 22, 24}))
        << "the box's top border, then b's line from its bottom border down";
    EXPECT_EQ(canvas.At({{9, 10}, {9, 11}}), (paint::Colors{kWindowText, kWindow}))
        << "the plus sign is not drawn over";
}

// A paint of any band of rows shows, inside the band, exactly what a paint
// of the whole tree shows: lines reaching into it from rows above and below
// keep their dots' phase.
void ExpectBandsMatchTheWhole(HWND hwnd, int width, int height, int rowHeight)
{
    ValidateRect(hwnd, nullptr);
    Canvas whole(width, height);
    SendMessageA(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(whole.dc()), 0);
    for (int top = 0; top < height; top += rowHeight - 3) {
        for (int bottom = top + 1; bottom <= height; bottom += 3 * rowHeight + 5) {
            Canvas band(width, height);
            RECT region{0, top, width, bottom};
            InvalidateRect(hwnd, &region, FALSE);
            SendMessageA(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(band.dc()), 0);
            ValidateRect(hwnd, nullptr);
            for (int y = top; y < bottom; ++y) {
                for (int x = 0; x < 100; ++x)
                    ASSERT_EQ(band.At(x, y), whole.At(x, y))
                        << "band " << top << ".." << bottom << " at " << x << "," << y;
            }
        }
    }
}

// Three levels, every item with children expanded but one: rows enough to
// need lines from far above and below any band, of rows 16 and 17 high.
TEST_F(TreePaintLinesTest, BandsMatchTheWholeWithEvenAndOddRows)
{
    for (int rowHeight : {16, 17}) {
        CreateTree(kLines | TVS_HASBUTTONS, 200, 40 * rowHeight);
        // Icons 17 high make rows of 17.
        HIMAGELIST icons = paint::SolidImageList(16, 17, {RGB(200, 0, 0)});
        if (rowHeight == 17)
            Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
        ASSERT_EQ(Send(TVM_GETITEMHEIGHT), rowHeight);
        for (int i = 0; i < 3; ++i) {
            HTREEITEM top = Insert(nullptr, "top");
            for (int j = 0; j < 3; ++j) {
                HTREEITEM mid = Insert(top, "mid");
                InsertMany(mid, 2 + j, "leaf");
                if (j != 1)
                    Expand(mid, TVE_EXPAND);
            }
            Expand(top, TVE_EXPAND);
        }
        ASSERT_LT(VisibleCount(), 40);
        ExpectBandsMatchTheWhole(hwnd, 200, (VisibleCount() + 1) * rowHeight, rowHeight);
        Send(TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
        ImageList_Destroy(icons);
    }
}

TEST_F(TreePaintLinesTest, OddRowHeightPutsTheJunctionBelowTheMiddle)
{
    CreateTree(kLines);
    HIMAGELIST icons = paint::SolidImageList(16, 17, {RGB(200, 0, 0)});
    Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
    Insert(nullptr, "a");
    Insert(nullptr, "b");
    Insert(nullptr, "c");
    const Canvas& canvas = Painted();
    // Rows of 17: junctions at 9, 26 and 43. Indent 19, button size 9,
    // offset 4: the junction column is x = 8, each run starts at 18.
    EXPECT_EQ(canvas.XsOf(kGrayText, 26, 0, 19), (std::vector<int>{8, 9, 11, 13, 15, 17}))
        << "ten points, 18 down to 9; the junction is c's line end, not b's dot";
    EXPECT_EQ(canvas.YsOf(kGrayText, 8, 0, 60),
              (std::vector<int>{9, 11, 13, 15, 17, 19, 21, 23, 25, 26, 28, 30, 32, 34, 36, 38, 40, 42}))
        << "every item has its own phase: b's dots on odd rows, c's on even ones";
    EXPECT_EQ(canvas.At({{19, 1}, {19, 0}}), (paint::Colors{RGB(200, 0, 0), kWindow}))
        << "the icon is centred on the junction: 9 - 17 / 2";
    Send(TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
    ImageList_Destroy(icons);
}

} // namespace
