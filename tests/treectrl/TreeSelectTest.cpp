// Selection by message: notification order and fields, vetoes, the first
// visible item, the drop highlight. (Bringing the caret into view: the
// keyboard's tests, the property test and the views' return to a place.)
#include "treectrl/TreeTestSupport.h"

namespace {

class TreeSelectTest : public TreeTest { };

TEST_F(TreeSelectTest, SelectItemNotifiesAroundTheChange)
{
    auto items = InsertMany(nullptr, 3, "r");
    Select(items[0]);
    parent.Clear();
    HTREEITEM caretSeenInChanged = nullptr;
    parent.answer = [&](const NMTREEVIEW& nm) -> LRESULT {
        if (nm.hdr.code == TVN_SELCHANGEDA)
            caretSeenInChanged = Caret();
        return 0;
    };
    EXPECT_TRUE(Select(items[2]));
    ASSERT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    const NMTREEVIEW& changing = parent.notices[0];
    EXPECT_EQ(
        std::tuple(changing.action, changing.itemOld.hItem, changing.itemNew.hItem, changing.itemNew.mask),
        std::tuple(TVC_BYKEYBOARD, items[0], items[2], TVIF_HANDLE | TVIF_STATE | TVIF_PARAM));
    // The selected bit of old and new, before the change and read again after it.
    const NMTREEVIEW& changed = parent.notices[1];
    EXPECT_EQ((std::vector{changing.itemOld.state, changing.itemNew.state, changed.itemOld.state,
                           changed.itemNew.state, State(items[0])}),
              (std::vector{TVIS_SELECTED, 0u, 0u, TVIS_SELECTED, 0u}));
    EXPECT_EQ(caretSeenInChanged, items[2]);

    parent.answer = [](const NMTREEVIEW&) { return 1; };
    parent.Clear();
    EXPECT_TRUE(Select(items[1]));
    EXPECT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA})) << "vetoed";
    EXPECT_EQ(Caret(), items[2]);
}

TEST_F(TreeSelectTest, SelectingTheCaretAgainAndSelectingNothing)
{
    HTREEITEM a = Insert(nullptr, "a");
    Select(a);
    parent.Clear();
    Select(a);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(std::pair(parent.Olds()[1], parent.News()[1]), std::pair(a, a));

    parent.Clear();
    EXPECT_TRUE(Select(nullptr));
    ASSERT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(std::pair(parent.News()[1], parent.notices[1].itemNew.mask), std::pair(HTREEITEM{}, 0u));
    EXPECT_EQ(std::pair(Caret(), State(a) & TVIS_SELECTED), std::pair(HTREEITEM{}, 0u));
}

TEST_F(TreeSelectTest, SelectingAHiddenItemExpandsItsAncestorsFirstAndARefusalStillMovesTheCaret)
{
    HTREEITEM a = Insert(nullptr, "a");
    HTREEITEM b = Insert(a, "b");
    HTREEITEM c = Insert(b, "c");
    parent.Clear();
    Select(c);
    EXPECT_EQ(parent.Codes(),
              (Codes{TVN_SELCHANGINGA, TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA, TVN_ITEMEXPANDINGA,
                     TVN_ITEMEXPANDEDA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.News(), (std::vector<HTREEITEM>{c, b, b, a, a, c})) << "the parent first, then upwards";
    EXPECT_EQ(parent.notices[1].action, TVE_EXPAND);
    EXPECT_EQ(std::pair(VisibleCount(), Row(c)), std::pair(3, 2));

    // A refused expansion still moves the caret.
    Expand(a, TVE_COLLAPSE);
    parent.answer = [](const NMTREEVIEW& nm) { return nm.hdr.code == TVN_ITEMEXPANDINGA ? 1 : 0; };
    Select(b);
    EXPECT_EQ(Caret(), b);
    EXPECT_FALSE(State(a) & TVIS_EXPANDED);
    EXPECT_FALSE(Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(b)));
}

TEST_F(TreeSelectTest, FirstVisibleSelectionSetsTopRowAndCaretOnScreen)
{
    auto items = InsertMany(nullptr, 20, "r");
    ASSERT_TRUE(ScreenIsUpToDate());
    parent.Clear();
    EXPECT_TRUE(Select(items[12], TVGN_FIRSTVISIBLE));
    EXPECT_EQ((std::vector{FirstVisible(), Caret()}), (std::vector{items[12], items[12]}));
    EXPECT_EQ(TopIndex(), 12);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(ShownScrollPos(SB_VERT), 12);
    EXPECT_TRUE(ScreenIsUpToDate()) << "every row shows its new item, not only the caret's";
}

TEST_F(TreeSelectTest, FirstVisibleSelectionOfAHiddenItemKeepsTheIndexRight)
{
    auto items = InsertMany(nullptr, 20, "r");
    auto children = InsertMany(items[5], 4, "c");
    Select(children[2], TVGN_FIRSTVISIBLE);
    EXPECT_EQ(std::pair(FirstVisible(), TopIndex()), std::pair(children[2], 8));
    EXPECT_EQ(RecountTree(Data()).firstVisibleRow, TopIndex());

    Expand(items[5], TVE_COLLAPSE);
    parent.answer = [](const NMTREEVIEW& nm) { return nm.hdr.code == TVN_ITEMEXPANDINGA ? 1 : 0; };
    Select(children[3], TVGN_FIRSTVISIBLE);
    EXPECT_EQ(FirstVisible(), items[5]) << "stayed hidden: its shown ancestor is the top row";
    EXPECT_EQ(RecountTree(Data()).firstVisibleRow, TopIndex());
}

TEST_F(TreeSelectTest, DropHighlightIsReportedWithoutNotifications)
{
    auto items = InsertMany(nullptr, 3, "r");
    parent.Clear();
    EXPECT_TRUE(Select(items[1], TVGN_DROPHILITE));
    EXPECT_EQ(Next(nullptr, TVGN_DROPHILITE), items[1]);
    EXPECT_TRUE(parent.notices.empty());
    Delete(items[1]);
    EXPECT_TRUE(Select(items[0], 77)) << "unknown codes change nothing";
    EXPECT_EQ(std::pair(Next(nullptr, TVGN_DROPHILITE), Caret()), std::pair(HTREEITEM{}, HTREEITEM{}));
}

TEST_F(TreeSelectTest, FocusWithoutCaretSelectsTheFirstVisibleItem)
{
    auto items = InsertMany(nullptr, 10, "r");
    Select(items[4], TVGN_FIRSTVISIBLE);
    Select(nullptr);
    parent.Clear();
    Send(WM_SETFOCUS);
    EXPECT_EQ(Caret(), items[4]);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.notices[0].action, TVC_BYKEYBOARD);
}

} // namespace
