// Selection by message: notification order and fields, vetoes, the first
// visible item, bringing items into view, the drop highlight.
#include "treectrl/TreeTestSupport.h"

namespace {

using Codes = std::vector<UINT>;

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
    EXPECT_EQ(changing.action, TVC_BYKEYBOARD);
    EXPECT_EQ(changing.itemOld.hItem, items[0]);
    EXPECT_TRUE(changing.itemOld.state & TVIS_SELECTED);
    EXPECT_EQ(changing.itemNew.hItem, items[2]);
    EXPECT_EQ(changing.itemNew.mask, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM);
    const NMTREEVIEW& changed = parent.notices[1];
    EXPECT_FALSE(changed.itemOld.state & TVIS_SELECTED) << "old state read again";
    EXPECT_TRUE(changed.itemNew.state & TVIS_SELECTED);
    EXPECT_EQ(caretSeenInChanged, items[2]);
    EXPECT_FALSE(State(items[0]) & TVIS_SELECTED);

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
    EXPECT_EQ(parent.notices[1].itemOld.hItem, a);
    EXPECT_EQ(parent.notices[1].itemNew.hItem, a);

    parent.Clear();
    EXPECT_TRUE(Select(nullptr));
    ASSERT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.notices[1].itemNew.hItem, nullptr);
    EXPECT_EQ(parent.notices[1].itemNew.mask, 0u);
    EXPECT_EQ(Caret(), nullptr);
    EXPECT_FALSE(State(a) & TVIS_SELECTED);
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
    EXPECT_EQ(parent.News()[1], b) << "the parent first, then upwards";
    EXPECT_EQ(parent.notices[1].action, TVE_EXPAND);
    EXPECT_EQ(parent.News()[3], a);
    EXPECT_EQ(VisibleCount(), 3);
    EXPECT_EQ(Row(c), 2);

    // A refused expansion still moves the caret.
    Expand(a, TVE_COLLAPSE);
    parent.answer = [](const NMTREEVIEW& nm) { return nm.hdr.code == TVN_ITEMEXPANDINGA ? 1 : 0; };
    Select(b);
    EXPECT_EQ(Caret(), b);
    EXPECT_FALSE(State(a) & TVIS_EXPANDED);
    EXPECT_FALSE(Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(b)));
}

TEST_F(TreeSelectTest, SelectingScrollsTheItemIntoView)
{
    auto items = InsertMany(nullptr, 2000, "r");
    Select(items[1500]);
    EXPECT_EQ(TopIndex(), 1495) << "in the last whole row";
    EXPECT_EQ(FirstVisible(), items[1495]);
    Select(items[3]);
    EXPECT_EQ(TopIndex(), 3) << "in the top row";
    Select(items[5]);
    EXPECT_EQ(TopIndex(), 3) << "in view: no scrolling";
    EXPECT_TRUE(Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(items[40])));
    EXPECT_EQ(TopIndex(), 35);
}

TEST_F(TreeSelectTest, FirstVisibleSelectionSetsTopRowAndCaretOnScreen)
{
    auto items = InsertMany(nullptr, 20, "r");
    ASSERT_TRUE(ScreenIsUpToDate());
    parent.Clear();
    EXPECT_TRUE(Select(items[12], TVGN_FIRSTVISIBLE));
    EXPECT_EQ(FirstVisible(), items[12]);
    EXPECT_EQ(TopIndex(), 12);
    EXPECT_EQ(Caret(), items[12]);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(ShownScrollPos(SB_VERT), 12);
    EXPECT_TRUE(ScreenIsUpToDate()) << "every row shows its new item, not only the caret's";
}

TEST_F(TreeSelectTest, FirstVisibleSelectionOfAHiddenItemKeepsTheIndexRight)
{
    auto items = InsertMany(nullptr, 20, "r");
    auto children = InsertMany(items[5], 4, "c");
    Select(children[2], TVGN_FIRSTVISIBLE);
    EXPECT_EQ(FirstVisible(), children[2]);
    EXPECT_EQ(TopIndex(), 8);
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
    EXPECT_EQ(Next(nullptr, TVGN_DROPHILITE), nullptr);
    EXPECT_TRUE(Select(items[0], 77)) << "unknown codes change nothing";
    EXPECT_EQ(Caret(), nullptr);
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
