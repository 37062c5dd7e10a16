// Highlight, focus rectangle, label colour and the disabled look. Root
// labels "abc" without lines at root have the text rectangle 0..25 by
// 0..16; a TVIS_BOLD label is underlined on row 12 from x 2 to 22, which
// shows the label colour exactly.
#include "treectrl/TreePaintTestSupport.h"

#include "treectrl/TreeMeasure.h"

namespace {

using paint::Canvas;
using paint::Colors;
using paint::k3dLight;
using paint::kBtnFace;
using paint::kGrayText;
using paint::kHighlight;
using paint::kHighlightText;
using paint::kUntouched;
using paint::kWindow;
using paint::kWindowText;
using paint::Range;

constexpr COLORREF Inverted(COLORREF c)
{
    return c ^ 0xFFFFFF;
}

class TreePaintHighlightTest : public TreePaintTest {
protected:
    // The fill of a text rectangle at row `top`, where no glyph reaches.
    static COLORREF Fill(const Canvas& c, int top) { return c.At(1, top + 14); }
    // Whether the underline of a bold label in row `top` has this colour
    // (looked for inside a focus rectangle's frame).
    static bool Labelled(const Canvas& c, int top, COLORREF color)
    {
        return c.XsOf(color, top + 12, 1, 24) == Range(2, 22);
    }
    // Top-level items "abc", the first `bold` of them with the bold state.
    std::vector<HTREEITEM> Rows(int count, int bold) const
    {
        std::vector<HTREEITEM> items;
        for (int i = 0; i < count; ++i) {
            items.push_back(Insert(nullptr, "abc"));
            if (i < bold)
                SetState(items.back(), TVIS_BOLD, TVIS_BOLD);
        }
        return items;
    }
};

TEST_F(TreePaintHighlightTest, SelectionWithFocusIsHighlightedAndFramed)
{
    const auto items = Rows(2, 2);
    Select(items[0]);
    Focus(true);
    const Canvas& canvas = Painted();
    EXPECT_TRUE(Labelled(canvas, 0, kHighlightText));
    // The fill of the text rectangle only; the focus frame inverts the frame
    // pixels whose x + y is even; nothing beyond the row.
    EXPECT_EQ(canvas.At({{1, 14}, {25, 14}, {0, 0}, {1, 0}, {24, 14}, {23, 15}, {0, 16}, {1, 16 + 14}}),
              (Colors{kHighlight, kWindow, Inverted(kHighlight), kHighlight, Inverted(kHighlight),
                      Inverted(kHighlight), kWindow, kWindow}));
    EXPECT_TRUE(Labelled(canvas, 16, kWindowText)) << "the text colour is back for the next row";

    // A drop highlight shows without focus, and the selected item loses its fill.
    Select(items[1], TVGN_DROPHILITE);
    Focus(false);
    const Canvas& dropped = Painted();
    EXPECT_EQ(std::pair(Fill(dropped, 16), Fill(dropped, 0)), std::pair(kHighlight, kWindow));
    EXPECT_TRUE(Labelled(dropped, 16, kHighlightText));
}

TEST_F(TreePaintHighlightTest, WithoutFocusTheColourRulesKeepTheirDistinctions)
{
    struct Case {
        DWORD style;
        COLORREF btnFace;
        COLORREF light;
        COLORREF fill;
        COLORREF label;
    };
    const Case cases[] = {
        {kViewStyle, kBtnFace, k3dLight, kBtnFace, kWindowText},
        {kViewStyle, kWindow, k3dLight, kHighlight, kWindowText},
        {kViewStyle, kBtnFace, kWindow, kBtnFace, kHighlightText},
        {kViewStyle & ~TVS_SHOWSELALWAYS, kBtnFace, kWindow, kWindow, kWindowText},
    };
    for (const Case& c : cases) {
        CreateTree(c.style);
        SetColors({{COLOR_BTNFACE, c.btnFace}, {COLOR_3DLIGHT, c.light}});
        Select(Rows(1, 1)[0]);
        Focus(false);
        const Canvas& canvas = Painted();
        const auto index = &c - cases;
        EXPECT_EQ(std::pair(Fill(canvas, 0), canvas.At(0, 0)), std::pair(c.fill, c.fill))
            << "no focus rectangle, case " << index;
        EXPECT_TRUE(Labelled(canvas, 0, c.label)) << "case " << index;
    }
}

TEST_F(TreePaintHighlightTest, PressedItemTakesTheFillFromTheSelectedOne)
{
    CreateTree(kViewStyle & ~TVS_DISABLEDRAGDROP);
    const auto items = Rows(2, 2);
    Select(items[0]);
    Focus(true);
    Click(WM_LBUTTONDOWN, 5, 16 + 5);
    ASSERT_EQ(Next(nullptr, TVGN_DROPHILITE), items[1]) << "pressed and tracked";
    const Canvas& canvas = Painted();
    EXPECT_EQ(Fill(canvas, 16), kHighlight);
    EXPECT_TRUE(Labelled(canvas, 16, kHighlightText));
    EXPECT_EQ(canvas.At(0, 16), kHighlight) << "the pressed item is not the caret: no frame";
    EXPECT_EQ(Fill(canvas, 0), kWindow) << "the selected item loses its fill";
    EXPECT_TRUE(Labelled(canvas, 0, kWindowText)) << "and with it the highlight text colour";
    EXPECT_EQ(canvas.At(0, 0), Inverted(kWindow)) << "but keeps its focus rectangle";
    Click(WM_LBUTTONUP, 5, 16 + 5);
}

TEST_F(TreePaintHighlightTest, DisabledControlIsGreyWithoutHighlight)
{
    CreateTree(kViewStyle | TVS_HASBUTTONS | TVS_LINESATROOT);
    HTREEITEM a = Insert(nullptr, "abc");
    Insert(a, "x");
    SetState(a, TVIS_BOLD, TVIS_BOLD);
    Select(a);
    Focus(true);
    EnableWindow(hwnd, FALSE);
    const Canvas& canvas = Painted();
    // Lines at root: the label starts at 19, the box spans 5..13 by 4..12.
    // No highlight, no focus rectangle; the button box keeps the window colour.
    EXPECT_EQ(canvas.At({{200, 50}, {20, 14}, {20, 0}, {6, 5}}),
              (Colors{kBtnFace, kBtnFace, kBtnFace, kWindow}));
    EXPECT_EQ(canvas.XsOf(kGrayText, 12, 19, 50), Range(21, 41)) << "grey label";
}

TEST_F(TreePaintHighlightTest, FullRowSelectionOnlyWithoutLinesAndNotUnderTheButton)
{
    // A selected, focused item with a child, in a full-row style.
    auto painted = [this](DWORD style) -> const Canvas& {
        CreateTree(WS_CHILD | WS_VISIBLE | TVS_FULLROWSELECT | style);
        HTREEITEM a = Insert(nullptr, "abc");
        Insert(a, "x");
        Select(a);
        Focus(true);
        return Painted();
    };
    // The whole row without a focus rectangle; with lines only the text
    // rectangle and the focus rectangle.
    EXPECT_EQ(painted(TVS_SHOWSELALWAYS).At({{299, 0}, {0, 0}, {0, 16}}),
              (Colors{kHighlight, kHighlight, kWindow}));
    EXPECT_EQ(painted(TVS_SHOWSELALWAYS | TVS_HASLINES).At({{299, 0}, {0, 0}}),
              (Colors{kWindow, Inverted(kHighlight)}));
    // Junction x 9, label at 19: the band from 2 * 9 - 19 to 19 is cleared,
    // with the box on it.
    EXPECT_EQ(painted(TVS_HASBUTTONS | TVS_LINESATROOT).At({{0, 1}, {18, 15}, {19, 15}, {200, 15}, {5, 4}}),
              (Colors{kWindow, kWindow, kHighlight, kHighlight, kGrayText}));
}

TEST_F(TreePaintHighlightTest, BoldLabelIsUnderlinedNotBold)
{
    HTREEITEM a = Rows(2, 1)[0];
    const Canvas& canvas = Painted();
    EXPECT_TRUE(Labelled(canvas, 0, kWindowText));
    EXPECT_TRUE(canvas.XsOf(kWindowText, 16 + 12, 0, 30).empty()) << "a plain label has no underline";
    EXPECT_EQ(ItemRect(a, true).right, 25) << "measured with the underlined font: same widths";
}

TEST_F(TreePaintHighlightTest, RowsOutsideTheRegionAreNotDrawn)
{
    Rows(3, 3);
    Canvas canvas(300, 100);
    PaintRegion(canvas, RECT{0, 20, 300, 30});
    EXPECT_TRUE(canvas.XsOf(kWindowText, 12, 0, 30).empty()) << "row 0 ends above the region";
    EXPECT_TRUE(canvas.XsOf(kWindowText, 32 + 12, 0, 30).empty()) << "row 2 starts below it";
    EXPECT_EQ(canvas.At({{100, 19}, {100, 20}, {100, 30}}), (Colors{kUntouched, kWindow, kUntouched}));
}

TEST_F(TreePaintHighlightTest, PaintedOnlyWithRedrawAndItemsOrAPassedContext)
{
    // Disabled, the control paints the button face; the window procedure
    // it replaced paints the window colour.
    EnableWindow(hwnd, FALSE);
    const Canvas& empty = Painted();
    EXPECT_EQ(empty.At(10, 10), kBtnFace) << "an empty tree is painted into a passed context";

    Insert(nullptr, "abc");
    Send(WM_SETREDRAW, FALSE);
    const Canvas& off = Painted();
    EXPECT_EQ(off.At(10, 10), kWindow) << "with redraw off the message is passed on";
    Send(WM_SETREDRAW, TRUE);
}

TEST_F(TreePaintHighlightTest, PassedContextGetsItsFontAndModeBack)
{
    Rows(1, 1);
    Canvas canvas(300, 100);
    HFONT own = CreateTestFont();
    SelectObject(canvas.dc(), own);
    SetBkMode(canvas.dc(), OPAQUE);
    Paint(canvas);
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), own);
    EXPECT_EQ(GetBkMode(canvas.dc()), OPAQUE);
    SelectObject(canvas.dc(), GetStockObject(DEFAULT_GUI_FONT));
    DeleteObject(own);
}

// A label wider than the widest width the control keeps is laid out that
// wide: its row is still highlighted and framed, and the label is drawn
// from the left edge of its rectangle as any label is.
TEST_F(TreePaintHighlightTest, ALabelWiderThanTheLimitIsPaintedFromItsLeftEdge)
{
    SetMaxLabelWidth(14);
    HTREEITEM a = Insert(nullptr, "abc");
    SetState(a, TVIS_BOLD, TVIS_BOLD);
    Select(a);
    Focus(true);
    const Canvas& canvas = Painted();
    const RECT rect = ItemRect(a, true);
    SetMaxLabelWidth(0);
    EXPECT_EQ(rect.right - rect.left, 18) << "14 pixels and 4 around";
    EXPECT_EQ(canvas.At({{1, 14}, {17, 13}, {20, 14}}), (Colors{kHighlight, Inverted(kHighlight), kWindow}))
        << "filled, the focus frame at the rectangle's right edge";
    EXPECT_EQ(canvas.XsOf(kHighlightText, 12, 1, 17), Range(2, 16))
        << "the underline of the whole label starts at x 2";
}

} // namespace
