// Mouse messages: clicks select on button-down in the views' style (and
// the scroll timer: TreeInputTest), double clicks toggle, right clicks and drags, tracked
// presses in the style with drag and drop.
#include "treectrl/TreeTestSupport.h"

namespace {

class TreeMouseTest : public TreeTest {
protected:
    // A point on the label of the item in this row (labels start at x 0).
    static int RowY(int row) { return row * 16 + 5; }
};

TEST_F(TreeMouseTest, ClickOnTheCaretOrOutsideLabelsOnlyFocuses)
{
    auto items = InsertMany(nullptr, 3, "r");
    Select(items[0]);
    parent.Clear();
    Click(WM_LBUTTONDOWN, 3, RowY(0));
    Click(WM_LBUTTONDOWN, 200, RowY(1)); // right of the label
    Click(WM_LBUTTONDOWN, 3, RowY(5)); // no row there
    EXPECT_EQ(std::tuple(parent.notices.size(), Caret(), GetFocus()), std::tuple(0u, items[0], hwnd));
}

TEST_F(TreeMouseTest, DoubleClickOnALabelTogglesTheItem)
{
    HTREEITEM a = Insert(nullptr, "a");
    Insert(a, "child");
    Insert(nullptr, "b");
    Click(WM_LBUTTONDOWN, 3, RowY(0));
    Click(WM_LBUTTONUP, 3, RowY(0));
    parent.Clear();
    Click(WM_LBUTTONDBLCLK, 3, RowY(0));
    Click(WM_LBUTTONUP, 3, RowY(0));
    ASSERT_EQ(parent.Codes(), (Codes{TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA}));
    EXPECT_EQ(parent.notices[0].action, TVE_TOGGLE);
    EXPECT_TRUE(State(a) & TVIS_EXPANDED);
    parent.Clear();
    Click(WM_LBUTTONDBLCLK, 3, RowY(0));
    EXPECT_EQ(parent.notices[0].action, TVE_TOGGLE) << "collapsing is a toggle too";
    EXPECT_FALSE(State(a) & TVIS_EXPANDED);
}

TEST_F(TreeMouseTest, DoubleClickInTheIndentTogglesTheAncestorWhoseLineIsThere)
{
    HTREEITEM g = Insert(nullptr, "g");
    HTREEITEM p = Insert(g, "p");
    Insert(p, "c");
    Expand(g, TVE_EXPAND);
    Expand(p, TVE_EXPAND);
    // Without lines at root, c's label starts at 2 x 19: column 1 holds c's
    // own line, column 0 that of its parent p.
    parent.Clear();
    Click(WM_LBUTTONDBLCLK, 25, RowY(2));
    EXPECT_TRUE(parent.notices.empty());
    Click(WM_LBUTTONDBLCLK, 5, RowY(2));
    ASSERT_EQ(parent.Codes(), (Codes{TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA}));
    EXPECT_EQ(parent.notices[0].itemNew.hItem, p);
    EXPECT_EQ(parent.notices[0].action, TVE_TOGGLE);
    EXPECT_FALSE(State(p) & TVIS_EXPANDED);
    EXPECT_TRUE(State(g) & TVIS_EXPANDED);
}

TEST_F(TreeMouseTest, RightClickSendsRClickThenContextMenu)
{
    // In an empty tree: no item.
    Click(WM_RBUTTONDOWN, 2, 2);
    Click(WM_RBUTTONUP, 2, 2);
    ASSERT_EQ(parent.Codes(), (Codes{NM_RCLICK}));
    EXPECT_EQ(std::pair(parent.notices[0].itemNew.hItem, parent.notices[0].itemNew.mask),
              std::pair(HTREEITEM{}, 0u));
    EXPECT_EQ(parent.contextMenus.size(), 1u);
    EXPECT_EQ(GetFocus(), hwnd);

    HTREEITEM item =
        InsertItem({.mask = TVIF_TEXT | TVIF_PARAM, .pszText = const_cast<char*>("item"), .lParam = 4711});
    SetFocus(hwnd); // focus alone selects the first item
    parent.Clear();
    Click(WM_RBUTTONDOWN, 3, RowY(0));
    EXPECT_EQ(std::pair(GetCapture(), Next(nullptr, TVGN_DROPHILITE)), std::pair(hwnd, item))
        << "the pressed item";
    Click(WM_RBUTTONUP, 4, RowY(0));
    ASSERT_EQ(parent.Codes(), (Codes{NM_RCLICK}));
    const NMTREEVIEW& rclick = parent.notices[0];
    EXPECT_EQ(std::tuple(rclick.itemNew.hItem, rclick.itemNew.lParam, rclick.itemNew.mask,
                         rclick.itemNew.state, rclick.itemOld.hItem),
              std::tuple(item, LPARAM{4711}, TVIF_HANDLE | TVIF_PARAM, 0u, HTREEITEM{}));
    ASSERT_EQ(parent.contextMenus.size(), 1u);
    EXPECT_EQ(parent.contextMenus[0].first, reinterpret_cast<WPARAM>(hwnd));
    EXPECT_EQ(std::pair(GetCapture(), Next(nullptr, TVGN_DROPHILITE)), std::pair(HWND{}, HTREEITEM{}));

    parent.Clear();
    parent.answer = [](const NMTREEVIEW&) { return 1; };
    Click(WM_RBUTTONDOWN, 3, RowY(0));
    Click(WM_RBUTTONUP, 3, RowY(0));
    EXPECT_EQ(parent.Codes(), (Codes{NM_RCLICK}));
    EXPECT_TRUE(parent.contextMenus.empty()) << "a nonzero answer keeps the menu away";
}

TEST_F(TreeMouseTest, RightDragIsReportedWithDragAndDropDisabledLeftDragIsNot)
{
    auto items = InsertMany(nullptr, 3, "r");
    Click(WM_LBUTTONDOWN, 3, RowY(1)); // selects at once, no press
    parent.Clear();
    Click(WM_MOUSEMOVE, 60, RowY(2), MK_LBUTTON);
    EXPECT_TRUE(parent.notices.empty());

    SetItem({.mask = TVIF_PARAM | TVIF_STATE,
             .hItem = items[1],
             .state = TVIS_BOLD,
             .stateMask = TVIS_BOLD,
             .lParam = 0x5A5A});
    SetFocus(hwnd);
    parent.Clear();
    Click(WM_RBUTTONDOWN, 3, RowY(1));
    Click(WM_MOUSEMOVE, 4, RowY(1)); // within the threshold
    EXPECT_TRUE(parent.notices.empty());
    Click(WM_MOUSEMOVE, 40, RowY(2));
    ASSERT_EQ(parent.Codes(), (Codes{TVN_BEGINRDRAGA}));
    const NMTREEVIEW& drag = parent.notices[0];
    EXPECT_EQ(
        std::tuple(drag.itemNew.hItem, drag.itemNew.state, drag.itemNew.lParam, drag.ptDrag.x, drag.ptDrag.y),
        std::tuple(items[1], State(items[1]), LPARAM{0x5A5A}, 40, RowY(2)));
    EXPECT_EQ(drag.itemNew.mask, 0u) << "the fields come without a mask";
    EXPECT_EQ(GetCapture(), nullptr) << "the press ends with the drag";
    Click(WM_RBUTTONUP, 40, RowY(2));
    EXPECT_EQ(parent.Codes(), (Codes{TVN_BEGINRDRAGA})) << "after a move: no NM_RCLICK";
    EXPECT_EQ(parent.contextMenus.size(), 1u) << "the control's own context menu goes on to the parent";
}

class TreeDragStyleTest : public TreeTest {
protected:
    void SetUp() override
    {
        TreeTest::SetUp();
        CreateTree(WS_CHILD | WS_VISIBLE | TVS_HASLINES);
        items = InsertMany(nullptr, 4, "r");
        parent.Clear();
    }
    std::vector<HTREEITEM> items;
};

TEST_F(TreeDragStyleTest, LeftPressSelectsOnRelease)
{
    Click(WM_LBUTTONDOWN, 3, 16 + 5);
    EXPECT_TRUE(parent.notices.empty());
    EXPECT_EQ(std::pair(GetCapture(), Next(nullptr, TVGN_DROPHILITE)), std::pair(hwnd, items[1]));
    Click(WM_LBUTTONUP, 3, 16 + 5);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(std::pair(GetCapture(), Caret()), std::pair(HWND{}, items[1]));
    // A right press during a left press selects at once.
    Click(WM_LBUTTONDOWN, 3, 32 + 5);
    Click(WM_RBUTTONDOWN, 3, 32 + 5);
    EXPECT_EQ(std::pair(GetCapture(), Caret()), std::pair(HWND{}, items[2]));
}

TEST_F(TreeDragStyleTest, LeftDragReportsBeginDrag)
{
    Click(WM_LBUTTONDOWN, 3, 16 + 5);
    Click(WM_MOUSEMOVE, 3, 60, MK_LBUTTON);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_BEGINDRAGA}));
    EXPECT_EQ(std::pair(parent.News()[0], GetCapture()), std::pair(items[1], HWND{}));
    Click(WM_LBUTTONUP, 3, 60);
    EXPECT_EQ(Caret(), nullptr) << "a drag selects nothing";
}

TEST_F(TreeDragStyleTest, LosingTheCaptureSelectsThePressedItem)
{
    Click(WM_LBUTTONDOWN, 3, 32 + 5);
    ReleaseCapture();
    EXPECT_EQ(std::tuple(Caret(), parent.notices.back().action, Next(nullptr, TVGN_DROPHILITE)),
              std::tuple(items[2], TVC_BYKEYBOARD, HTREEITEM{}));
}

TEST_F(TreeDragStyleTest, CollapsingAroundThePressedItemEndsThePress)
{
    HTREEITEM child = Insert(items[0], "child");
    Expand(items[0], TVE_EXPAND);
    Click(WM_LBUTTONDOWN, 19 + 3, 16 + 5);
    ASSERT_EQ(Next(nullptr, TVGN_DROPHILITE), child);
    Expand(items[0], TVE_COLLAPSE);
    EXPECT_EQ(std::pair(GetCapture(), Next(nullptr, TVGN_DROPHILITE)), std::pair(HWND{}, HTREEITEM{}));
    Click(WM_LBUTTONUP, 19 + 3, 16 + 5);
    EXPECT_EQ(Caret(), nullptr) << "the press is gone: its release selects nothing";
}

} // namespace
