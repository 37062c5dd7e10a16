// Expand buttons at the geometries that the indent and the normal image
// list give: every pixel of the box is checked, border, fill and sign.
#include "treectrl/TreePaintTestSupport.h"

#include <set>
#include <utility>

namespace {

using paint::Canvas;
using paint::kGrayText;
using paint::kWindow;
using paint::kWindowText;

constexpr DWORD kButtons = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT;

struct Box {
    int jx;
    int jy;
    int size;
    int arm;
};

// The sign's pixels: strokes of 2a + 1 for small arms; for large ones the
// outline of the bars three pixels thick, without their middle lines.
std::set<std::pair<int, int>> SignPixels(const Box& b, bool expanded)
{
    std::set<std::pair<int, int>> pixels;
    const int a = b.arm;
    auto inBars = [&](int x, int y) {
        const bool across = std::abs(x - b.jx) <= a && std::abs(y - b.jy) <= (a <= 4 ? 0 : 1);
        const bool down = !expanded && std::abs(y - b.jy) <= a && std::abs(x - b.jx) <= (a <= 4 ? 0 : 1);
        return across || down;
    };
    auto inMiddle = [&](int x, int y) {
        return (y == b.jy && std::abs(x - b.jx) < a) || (!expanded && x == b.jx && std::abs(y - b.jy) < a);
    };
    for (int y = b.jy - a; y <= b.jy + a; ++y) {
        for (int x = b.jx - a; x <= b.jx + a; ++x) {
            if (inBars(x, y) && (a <= 4 || !inMiddle(x, y)))
                pixels.insert({x, y});
        }
    }
    return pixels;
}

void ExpectButton(const Canvas& canvas, const Box& b, bool expanded)
{
    const auto sign = SignPixels(b, expanded);
    const int left = b.jx - b.size / 2;
    const int top = b.jy - b.size / 2;
    for (int y = top; y < top + b.size; ++y) {
        for (int x = left; x < left + b.size; ++x) {
            const bool border = x == left || y == top || x == left + b.size - 1 || y == top + b.size - 1;
            const COLORREF want = border ? kGrayText : sign.count({x, y}) ? kWindowText : kWindow;
            ASSERT_EQ(canvas.At(x, y), want) << (expanded ? "minus" : "plus") << " at " << x << "," << y;
        }
    }
}

class TreePaintButtonTest : public TreePaintTest {
protected:
    // A collapsed item with a child in row 0 and an expanded one below it.
    void TwoButtons()
    {
        HTREEITEM a = Insert(nullptr, "a");
        Insert(a, "a1");
        HTREEITEM b = Insert(nullptr, "b");
        Insert(b, "b1");
        Expand(b, TVE_EXPAND);
    }
};

TEST_F(TreePaintButtonTest, DefaultIndentGivesBoxesOfNine)
{
    CreateTree(kButtons);
    TwoButtons();
    Canvas canvas(200, 100);
    Paint(canvas);
    ExpectButton(canvas, Box{9, 8, 9, 2}, false);
    ExpectButton(canvas, Box{9, 24, 9, 2}, true);
    EXPECT_EQ(canvas.At(28, 40), kWindow) << "an item without children has no button";
}

TEST_F(TreePaintButtonTest, IndentOfFifteenGivesBoxesOfSeven)
{
    CreateTree(kButtons);
    Send(TVM_SETINDENT, 15);
    EXPECT_EQ(Send(TVM_GETINDENT), 15);
    TwoButtons();
    Canvas canvas(200, 100);
    Paint(canvas);
    // Offset 4 in the column of 15 left of the level at 15: junction x 7.
    ExpectButton(canvas, Box{7, 8, 7, 2}, false);
    ExpectButton(canvas, Box{7, 24, 7, 2}, true);
    Send(TVM_SETINDENT, 3);
    EXPECT_EQ(Send(TVM_GETINDENT), 15) << "never below 15";
}

TEST_F(TreePaintButtonTest, SmallIconsCentreTheBoxUnderTheIcon)
{
    CreateTree(kButtons);
    HIMAGELIST icons = paint::SolidImageList(16, 16, {RGB(200, 0, 0)});
    Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
    EXPECT_EQ(Send(TVM_GETINDENT), 19);
    TwoButtons();
    Canvas canvas(200, 100);
    Paint(canvas);
    // Offset 8 - 4: the box is centred at x 8 of the column.
    ExpectButton(canvas, Box{8, 8, 9, 2}, false);
    ExpectButton(canvas, Box{8, 24, 9, 2}, true);
    Send(TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
    ImageList_Destroy(icons);
}

TEST_F(TreePaintButtonTest, LargeIconsGiveHollowSigns)
{
    CreateTree(kButtons, 200, 100);
    HIMAGELIST icons = paint::SolidImageList(32, 32, {RGB(200, 0, 0)});
    Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
    EXPECT_EQ(Send(TVM_GETINDENT), 35);
    EXPECT_EQ(Send(TVM_GETITEMHEIGHT), 32);
    TwoButtons();
    Canvas canvas(200, 100);
    Paint(canvas);
    // Box 17 at offset 8, sign arm 5: junctions (16, 16) and (16, 48).
    ExpectButton(canvas, Box{16, 16, 17, 5}, false);
    ExpectButton(canvas, Box{16, 48, 17, 5}, true);
    Send(TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
    ImageList_Destroy(icons);
}

TEST_F(TreePaintButtonTest, ScrolledLeftTheButtonsMoveWithTheContent)
{
    CreateTree(kButtons, 100, 100);
    TwoButtons();
    Insert(nullptr, "a label wider than the window");
    for (int i = 0; i < 3; ++i)
        Send(WM_HSCROLL, SB_LINERIGHT);
    ASSERT_EQ(Data()->m_nHorzPos, 3);
    Canvas canvas(100, 100);
    Paint(canvas);
    ExpectButton(canvas, Box{6, 8, 9, 2}, false);
}

} // namespace
