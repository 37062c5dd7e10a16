// Expand buttons at the geometries that the indent and the normal image
// list give: every pixel of the box is checked, border, fill and sign.
#include "treectrl/TreePaintTestSupport.h"

#include <cstdlib>

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

// Every pixel of the box around the junction: a grey border, the window's
// fill and the sign in the text colour. The sign's strokes are 2a + 1 long;
// for large arms (a > 4) they are the outlines of bars three pixels thick,
// without their middle lines.
void ExpectButton(const Canvas& canvas, const Box& b, bool expanded)
{
    const int a = b.arm;
    const int half = a <= 4 ? 0 : 1;
    const int left = b.jx - b.size / 2;
    const int top = b.jy - b.size / 2;
    for (int y = top; y < top + b.size; ++y) {
        for (int x = left; x < left + b.size; ++x) {
            const int dx = std::abs(x - b.jx);
            const int dy = std::abs(y - b.jy);
            const bool bars = (dx <= a && dy <= half) || (!expanded && dy <= a && dx <= half);
            const bool middle = (dy == 0 && dx < a) || (!expanded && dx == 0 && dy < a);
            const bool sign = bars && (a <= 4 || !middle);
            const bool border = x == left || y == top || x == left + b.size - 1 || y == top + b.size - 1;
            const COLORREF want = border ? kGrayText : sign ? kWindowText : kWindow;
            ASSERT_EQ(canvas.At(x, y), want) << (expanded ? "minus" : "plus") << " at " << x << "," << y;
        }
    }
}

class TreePaintButtonTest : public TreePaintTest {
protected:
    // A collapsed item with a child in row 0 and an expanded one below it.
    void TwoButtons() const
    {
        HTREEITEM a = Insert(nullptr, "a");
        Insert(a, "a1");
        HTREEITEM b = Insert(nullptr, "b");
        Insert(b, "b1");
        Expand(b, TVE_EXPAND);
    }
};

struct Geometry {
    const char* name;
    int indent; // set by TVM_SETINDENT; 0: the default
    int icons; // size of the normal images; 0: none
    int indentShown; // what TVM_GETINDENT answers then
    Box collapsed; // in row 0
    Box expanded; // in row 1
    POINT leaf; // b1's junction: no box there
};

class TreePaintButtonGeometryTest : public TreePaintButtonTest,
                                    public ::testing::WithParamInterface<Geometry> { };

TEST_P(TreePaintButtonGeometryTest, BoxesAndSignsAtTheirPlace)
{
    const Geometry& g = GetParam();
    CreateTree(kButtons);
    HIMAGELIST icons = g.icons ? paint::SolidImageList(g.icons, g.icons, {RGB(200, 0, 0)}) : nullptr;
    Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
    if (g.indent)
        Send(TVM_SETINDENT, static_cast<WPARAM>(g.indent));
    EXPECT_EQ(Send(TVM_GETINDENT), g.indentShown);
    TwoButtons();
    Canvas canvas(200, 100);
    Paint(canvas);
    ExpectButton(canvas, g.collapsed, false);
    ExpectButton(canvas, g.expanded, true);
    EXPECT_EQ(canvas.At(g.leaf.x, g.leaf.y), kWindow) << "an item without children has no button";
    Send(TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
    if (icons)
        ImageList_Destroy(icons);
}

// Box 9 at offset 5 in the indent of 19; an indent of 15 gives boxes of 7
// at offset 4; with icons the box is centred under the icon (offset 8 - 4
// for 16 x 16); icons of 32 give boxes of 17 with hollow signs (arm 5).
INSTANTIATE_TEST_SUITE_P(
    Geometries, TreePaintButtonGeometryTest,
    ::testing::Values(Geometry{"DefaultIndent", 0, 0, 19, {9, 8, 9, 2}, {9, 24, 9, 2}, {28, 40}},
                      Geometry{"IndentOf15", 15, 0, 15, {7, 8, 7, 2}, {7, 24, 7, 2}, {22, 40}},
                      Geometry{"SmallIcons", 0, 16, 19, {8, 8, 9, 2}, {8, 24, 9, 2}, {27, 40}},
                      Geometry{"LargeIcons", 0, 32, 35, {16, 16, 17, 5}, {16, 48, 17, 5}, {51, 80}}),
    [](const auto& info) { return std::string(info.param.name); });

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
