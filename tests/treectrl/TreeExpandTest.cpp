// Expanding and collapsing: results, notifications and vetoes, children
// filled while the parent answers, the scrolling rules and the caret.
#include "treectrl/TreeTestSupport.h"

namespace {

class TreeExpandTest : public TreeTest { };

TEST_F(TreeExpandTest, ExpandMessageResults)
{
    HTREEITEM a = Insert(nullptr, "a");
    HTREEITEM leaf = Insert(nullptr, "leaf");
    Insert(a, "child");
    // Expanded, already expanded, a childless item flips its bit.
    EXPECT_EQ((std::vector{Expand(a, TVE_EXPAND), Expand(a, TVE_EXPAND), Expand(leaf, TVE_TOGGLE)}),
              (std::vector<BOOL>{TRUE, FALSE, TRUE}));
    EXPECT_EQ(std::pair(State(leaf) & TVIS_EXPANDED, VisibleCount()), std::pair(TVIS_EXPANDED, 3));
    EXPECT_EQ((std::vector{Expand(a, 0), Expand(a, TVE_COLLAPSE)}), (std::vector<BOOL>{FALSE, TRUE}));
    EXPECT_EQ(std::pair(VisibleCount(), parent.notices.size()), std::pair(2, std::size_t{0}))
        << "TVM_EXPAND sends nothing";
}

TEST_F(TreeExpandTest, KeyboardExpansionNotifiesCanBeVetoedAndCountsChildrenFilledMeanwhile)
{
    HTREEITEM a = Insert(nullptr, "a");
    Insert(nullptr, "b");
    Select(a);
    parent.answer = [](const NMTREEVIEW& nm) { return nm.hdr.code == TVN_ITEMEXPANDINGA ? 1 : 0; };
    parent.Clear();
    Key(VK_ADD);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_ITEMEXPANDINGA})) << "vetoed";
    EXPECT_FALSE(State(a) & TVIS_EXPANDED);
    // The views fill children while answering the expanding notification.
    parent.answer = [this, a](const NMTREEVIEW& nm) -> LRESULT {
        if (nm.hdr.code == TVN_ITEMEXPANDINGA && (nm.action & TVE_EXPAND))
            InsertMany(a, 3, "child");
        return 0;
    };
    parent.Clear();
    Key(VK_ADD);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA}));
    const NMTREEVIEW& expanding = parent.notices[0];
    EXPECT_EQ(std::tuple(expanding.action, expanding.itemNew.hItem, expanding.itemNew.mask,
                         expanding.hdr.hwndFrom, expanding.hdr.idFrom),
              std::tuple(TVE_EXPAND, a, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM, hwnd, UINT_PTR{kTreeId}));
    EXPECT_EQ(expanding.itemNew.state & TVIS_EXPANDED, 0u) << "the state before the change";
    EXPECT_EQ(parent.notices[1].itemNew.state & TVIS_EXPANDED, 0u) << "the same record after it";
    EXPECT_EQ(std::pair(VisibleCount(), Send(TVM_GETCOUNT)), std::pair(5, LRESULT{5}));
}

TEST_F(TreeExpandTest, ExpandingScrollsTheNewRowsIntoViewKeepingTheTopRow)
{
    const struct {
        int item; // of 20 top-level items, top row 0 or `top`
        int children;
        int top;
        int topAfter;
        const char* why;
    } cases[] = {
        {3, 5, 0, 3, "children that fill the page (6 <= 5 + 1) put the item at the top"},
        {5, 2, 0, 2, "the last new row comes into the last whole row (5)"},
        {3, 2, 0, 0, "the new rows fit"},
        {2, 4, 10, 14, "above the top row the rows in view stay"},
    };
    for (const auto& c : cases) {
        CreateTree(kViewStyle);
        auto roots = InsertMany(nullptr, 20, "r");
        InsertMany(roots[c.item], c.children, "c");
        if (c.top)
            Select(roots[c.top], TVGN_FIRSTVISIBLE);
        HTREEITEM top = FirstVisible();
        Expand(roots[c.item], TVE_EXPAND);
        EXPECT_EQ(TopIndex(), c.topAfter) << c.why;
        EXPECT_EQ(FirstVisible(), c.top ? top : roots[c.topAfter]) << c.why;
    }
}

TEST_F(TreeExpandTest, CollapsingAboveTheTopOrAroundItBringsTheItemToTheTopRowAndTheCaretOut)
{
    auto roots = InsertMany(nullptr, 20, "r");
    InsertMany(roots[2], 4, "c");
    auto children = InsertMany(roots[4], 10, "c");
    Expand(roots[2], TVE_EXPAND);
    Select(roots[10], TVGN_FIRSTVISIBLE);
    Expand(roots[2], TVE_COLLAPSE);
    EXPECT_EQ(std::pair(FirstVisible(), TopIndex()), std::pair(roots[2], 2))
        << "the top row was below the item";

    Expand(roots[4], TVE_EXPAND);
    Select(children[6], TVGN_FIRSTVISIBLE);
    ASSERT_EQ(TopIndex(), 11);
    parent.Clear();
    Expand(roots[4], TVE_COLLAPSE);
    EXPECT_EQ(std::tuple(FirstVisible(), TopIndex(), VisibleCount()), std::tuple(roots[4], 4, 20))
        << "the top row was inside the collapsed subtree";
    // Without notifications the caret moves to the collapsed item.
    EXPECT_EQ(std::tuple(Caret(), State(roots[4]) & TVIS_SELECTED, State(children[6]) & TVIS_SELECTED,
                         parent.notices.size()),
              std::tuple(roots[4], TVIS_SELECTED, 0u, 0u));
}

// Lines at root: a double click in column 0 of a child's row toggles the
// top-level ancestor whose line runs there, with the caret inside it: the
// caret moves to the collapsed item, or is gone when the parent vetoes.
TEST_F(TreeExpandTest, CollapsingAroundTheCaretByADoubleClickHandsTheCaretToTheItem)
{
    CreateTree(kViewStyle | TVS_LINESATROOT);
    HTREEITEM a = Insert(nullptr, "a");
    auto children = InsertMany(a, 3, "c");
    Insert(nullptr, "b");
    for (bool veto : {false, true}) {
        Expand(a, TVE_EXPAND);
        Select(children[1]);
        parent.answer = [veto](const NMTREEVIEW& nm) { return veto && nm.hdr.code == TVN_SELCHANGINGA; };
        parent.Clear();
        Click(WM_LBUTTONDBLCLK, 5, 2 * 16 + 2);
        EXPECT_FALSE(State(a) & TVIS_EXPANDED);
        EXPECT_FALSE(State(children[1]) & TVIS_SELECTED);
        if (veto) {
            EXPECT_EQ(parent.Codes(), (Codes{TVN_ITEMEXPANDINGA, TVN_SELCHANGINGA, TVN_ITEMEXPANDEDA}));
            EXPECT_EQ(Caret(), nullptr);
            continue;
        }
        ASSERT_EQ(parent.Codes(),
                  (Codes{TVN_ITEMEXPANDINGA, TVN_SELCHANGINGA, TVN_SELCHANGEDA, TVN_ITEMEXPANDEDA}));
        EXPECT_EQ(std::tuple(parent.notices[0].action, parent.notices[1].action, parent.Olds()[1],
                             parent.News()[1]),
                  std::tuple(TVE_TOGGLE, TVC_UNKNOWN, children[1], a));
        EXPECT_EQ(std::pair(Caret(), State(a) & TVIS_SELECTED), std::pair(a, TVIS_SELECTED));
    }
}

} // namespace
