// The item store through its messages: insertion positions, navigation,
// item fields, deletion with its notifications, sorting, foreign handles.
#include "treectrl/TreeTestSupport.h"

#include "treectrl/EntityTreeCtrl.h"
#include "treectrl/TreeLabels.h"

#include <climits>
#include <cstring>
#include <string>

namespace {

class TreeStoreTest : public TreeTest {
protected:
    std::vector<std::string> Labels(HTREEITEM parentItem) const
    {
        return testsupport::TreeLabels(hwnd, parentItem);
    }
    // A top-level item whose label is `length` bytes of `text`, kept by reference.
    HTREEITEM InsertBorrowed(std::string& text, int length) const
    {
        return InsertItem({.mask = TVIF_TEXT | TVIF_TEXTREF, .pszText = text.data(), .cchTextMax = length});
    }
};

TEST_F(TreeStoreTest, InsertPositions)
{
    HTREEITEM a = Insert(nullptr, "a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(Send(TVM_GETCOUNT), 1);
    for (UINT code : {TVGN_ROOT, TVGN_FIRSTVISIBLE, TVGN_LASTVISIBLE, TVGN_CHILD})
        EXPECT_EQ(Next(nullptr, code), a) << "the first item, code " << code;
    EXPECT_EQ(Next(a, TVGN_PARENT), nullptr);
    Insert(nullptr, "b", TVI_LAST);
    Insert(nullptr, "c", nullptr);
    Insert(nullptr, "d", TVI_ROOT);
    HTREEITEM last = Next(Next(Next(a, TVGN_NEXT), TVGN_NEXT), TVGN_NEXT);
    Insert(nullptr, "e", last);
    Insert(nullptr, "first", TVI_FIRST);
    Insert(nullptr, "after-a", a);
    EXPECT_EQ(Labels(nullptr), (std::vector<std::string>{"first", "a", "after-a", "b", "c", "d", "e"}));

    HTREEITEM child = Insert(a, "x");
    Insert(a, "w", TVI_FIRST);
    Insert(TVI_ROOT, "root-end");
    EXPECT_EQ(Labels(a), (std::vector<std::string>{"w", "x"}));
    EXPECT_EQ(Labels(nullptr).back(), "root-end");
    EXPECT_EQ(Next(child, TVGN_PARENT), a);
}

TEST_F(TreeStoreTest, VisibleNavigationFollowsExpansion)
{
    HTREEITEM a = Insert(nullptr, "a");
    HTREEITEM a1 = Insert(a, "a1");
    HTREEITEM a2 = Insert(a, "a2");
    HTREEITEM a21 = Insert(a2, "a21");
    HTREEITEM b = Insert(nullptr, "b");

    EXPECT_EQ(Next(a, TVGN_NEXTVISIBLE), b) << "collapsed children are skipped";
    EXPECT_EQ(Next(b, TVGN_PREVIOUSVISIBLE), a);
    Expand(a, TVE_EXPAND);
    Expand(a2, TVE_EXPAND);
    // A last child continues at an ancestor's sibling, back from there is
    // the deepest last displayed descendant; the ends, no item, an unknown code.
    EXPECT_EQ(
        (std::vector{Next(a, TVGN_NEXTVISIBLE), Next(a21, TVGN_NEXTVISIBLE), Next(b, TVGN_PREVIOUSVISIBLE),
                     Next(a1, TVGN_PREVIOUSVISIBLE), Next(nullptr, TVGN_LASTVISIBLE), Next(a2, TVGN_PREVIOUS),
                     Next(b, TVGN_NEXTVISIBLE), Next(a, TVGN_PREVIOUSVISIBLE),
                     Next(nullptr, TVGN_NEXTVISIBLE), Next(nullptr, TVGN_NEXT), Next(a, 42)}),
        (std::vector<HTREEITEM>{a1, b, a21, a, b, a1, nullptr, nullptr, nullptr, nullptr, nullptr}));

    Expand(a, TVE_COLLAPSE);
    EXPECT_EQ(Next(a21, TVGN_NEXTVISIBLE), b) << "works from hidden items too";
}

// A label kept by reference answers every message as a copy would, needs
// no terminator and costs the tree no label memory, however often it is
// shown: items listing one long text many times hold it once.
TEST_F(TreeStoreTest, BorrowedLabelsAnswerAsCopiesAndAreNotCopied)
{
    std::string text(200, 'x');
    text.replace(0, 5, "#3=A(");
    HTREEITEM shortItem = InsertBorrowed(text, 4); // "#3=A", no terminator after it
    for (int i = 0; i < 1000; ++i)
        ASSERT_NE(InsertBorrowed(text, static_cast<int>(text.size())), nullptr);
    EXPECT_EQ(Text(shortItem), "#3=A");
    EXPECT_EQ(Text(Next(shortItem, TVGN_NEXT)), text);
    EXPECT_EQ(Data()->m_labels.BytesReserved(), 0u) << "a thousand copies of the label";

    // Sorting compares the borrowed bytes only.
    Insert(nullptr, "#3=A");
    Send(TVM_SORTCHILDREN, 0, 0);
    EXPECT_EQ(Text(Next(nullptr, TVGN_ROOT)), "#3=A");
    EXPECT_EQ(Text(Next(Next(nullptr, TVGN_ROOT), TVGN_NEXT)), "#3=A");
}

// Labels stay below INT_MAX bytes, the most that TVM_GETITEMA can hand back
// whole: a longer text, copied or borrowed, is cut to the limit, and a
// buffer of any size gets the label and its terminator within bounds.
TEST_F(TreeStoreTest, ALabelLongerThanTheLimitIsCutToIt)
{
    SetMaxLabelLength(8);
    HTREEITEM copied = Insert(nullptr, "0123456789ab");
    std::string borrowed = "abcdefghijkl";
    HTREEITEM kept = InsertBorrowed(borrowed, static_cast<int>(borrowed.size()));
    SetMaxLabelLength(0);

    char buffer[16];
    std::memset(buffer, 'x', sizeof(buffer));
    TVITEM tvi{.mask = TVIF_TEXT, .hItem = copied, .pszText = buffer, .cchTextMax = INT_MAX};
    Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
    EXPECT_EQ(std::string(buffer, 10), std::string("01234567\0x", 10));
    EXPECT_EQ(Text(kept), "abcdefgh");
    EXPECT_EQ(NodeOf(kept)->cchText, 8);
}

// The whole-label fetch grows its buffer up to its limit, the last step to
// the limit itself: a label one byte shorter than the limit comes back
// whole (with INT_MAX, the control's longest label), a longer one is cut.
TEST_F(TreeStoreTest, TheWholeLabelFetchReachesItsLimit)
{
    for (const auto& [length, expected] : {std::pair{999, 999}, {1200, 999}, {300, 300}}) {
        const std::string label(length, 'a');
        HTREEITEM item = Insert(nullptr, label.c_str());
        std::vector<char> buffer;
        EXPECT_EQ(TreeView_GetItemLabel(hwnd, item, buffer, 1000).size(), static_cast<std::size_t>(expected))
            << "a label of " << length << " bytes with a limit of 1000";
    }
}

TEST_F(TreeStoreTest, GetItemTruncatesTextToTheBuffer)
{
    HTREEITEM item = Insert(nullptr, "eleven byte");
    char buffer[16];
    TVITEM tvi{.mask = TVIF_TEXT, .hItem = item, .pszText = buffer};
    for (const auto& [size, text] : {std::pair{5, "elev"}, {12, "eleven byte"}, {11, "eleven byt"}}) {
        std::memset(buffer, 'x', sizeof(buffer));
        tvi.cchTextMax = size;
        EXPECT_TRUE(TreeView_GetItem(hwnd, &tvi));
        EXPECT_STREQ(buffer, text);
        EXPECT_EQ(buffer[size], 'x') << "nothing written past the buffer's size";
    }
    EXPECT_EQ(Text(InsertItem({.mask = TVIF_PARAM, .lParam = 7})), "") << "unlabelled";
}

TEST_F(TreeStoreTest, ChildrenFlagIsTheActualChildCount)
{
    EXPECT_EQ(GetItem(nullptr, TVIF_CHILDREN).cChildren, 0) << "empty tree";
    HTREEITEM item = InsertItem(
        {.mask = TVIF_TEXT | TVIF_CHILDREN, .pszText = const_cast<char*>("claims children"), .cChildren = 1});
    EXPECT_EQ(GetItem(nullptr, TVIF_CHILDREN).cChildren, 1) << "the tree has an item";
    EXPECT_EQ(GetItem(item, TVIF_CHILDREN).cChildren, 0);
    Insert(item, "child");
    EXPECT_EQ(GetItem(item, TVIF_CHILDREN).cChildren, 1);
}

TEST_F(TreeStoreTest, SetItemAppliesMasks)
{
    HTREEITEM item = Insert(nullptr, "old");
    EXPECT_TRUE(SetItem({.mask = TVIF_TEXT | TVIF_STATE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE,
                         .hItem = item,
                         .state = TVIS_BOLD | TVIS_CUT,
                         .stateMask = TVIS_BOLD,
                         .pszText = const_cast<char*>("new label"),
                         .iImage = 70000,
                         .iSelectedImage = -1,
                         .lParam = -123456789012345}));
    const TVITEM get = GetItem(item, TVIF_STATE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE);
    EXPECT_EQ(Text(item), "new label");
    EXPECT_EQ(get.state, TVIS_BOLD) << "only the masked bit changes";
    EXPECT_EQ(std::tuple(get.lParam, get.iImage, get.iSelectedImage),
              std::tuple(-123456789012345, 70000, -1));
    SetText(item, nullptr);
    EXPECT_EQ(Text(item), "");
}

TEST_F(TreeStoreTest, SetItemRepaintsARowInViewAndMeasuresALabelOutOfView)
{
    auto items = InsertMany(nullptr, 20, "r");
    ASSERT_TRUE(ScreenIsUpToDate());
    SetText(items[2], "renamed");
    EXPECT_TRUE(ScreenIsUpToDate()) << "the row shows its new label";
    ASSERT_EQ(ShownScrollMax(SB_HORZ), -1) << "no horizontal bar yet";
    SetText(items[15], std::string(60, 'w').c_str());
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(ShownScrollMax(SB_HORZ), 60 * 7 + 4 - client.right) << "a label below the page widens the tree";
}

TEST_F(TreeStoreTest, InsertStoresTheWholeStateWordAndSetItemExpandsWithoutNotifications)
{
    EXPECT_EQ(State(InsertItem({.mask = TVIF_STATE, .state = 0x3010, .stateMask = 0})), 0x3010u);
    HTREEITEM a = Insert(nullptr, "a");
    Insert(a, "child");
    parent.Clear();
    SetState(a, TVIS_EXPANDED, TVIS_EXPANDED);
    EXPECT_EQ(std::tuple(State(a) & TVIS_EXPANDED, VisibleCount(), parent.notices.size()),
              std::tuple(TVIS_EXPANDED, 3, 0u));
}

TEST_F(TreeStoreTest, DeletingASubtreeNotifiesDescendantsFirst)
{
    HTREEITEM a = Insert(nullptr, "a");
    HTREEITEM a1 = Insert(a, "a1");
    HTREEITEM a11 = Insert(a1, "a11");
    HTREEITEM a2 = Insert(a, "a2");
    Insert(nullptr, "b");
    parent.Clear();
    EXPECT_TRUE(Delete(a));
    ASSERT_EQ(parent.Codes(), Codes(4, TVN_DELETEITEMA));
    EXPECT_EQ(parent.Olds(), (std::vector<HTREEITEM>{a11, a1, a2, a}));
    EXPECT_EQ(parent.notices[3].itemOld.mask, TVIF_HANDLE | TVIF_PARAM);
    EXPECT_EQ(Send(TVM_GETCOUNT), 1);
}

TEST_F(TreeStoreTest, DeletedCaretPassesToNextSiblingThenParent)
{
    HTREEITEM a = Insert(nullptr, "a");
    HTREEITEM a1 = Insert(a, "a1");
    HTREEITEM a2 = Insert(a, "a2");
    Expand(a, TVE_EXPAND);
    Select(a1);
    parent.Clear();
    Delete(a1);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA, TVN_DELETEITEMA}));
    EXPECT_EQ(std::tuple(parent.notices[0].action, parent.Olds()[0], parent.News()[0]),
              std::tuple(TVC_UNKNOWN, a1, a2));
    EXPECT_EQ(std::pair(Caret(), State(a2) & TVIS_SELECTED), std::pair(a2, TVIS_SELECTED));

    Delete(a2);
    EXPECT_EQ(Caret(), a) << "a last child gives the caret to its parent";
    Delete(a);
    EXPECT_EQ(Caret(), nullptr) << "a lone top-level item leaves no caret";

    HTREEITEM b = Insert(nullptr, "b");
    Insert(nullptr, "c");
    Select(b);
    parent.answer = [](const NMTREEVIEW& nm) { return nm.hdr.code == TVN_SELCHANGINGA ? 1 : 0; };
    parent.Clear();
    Delete(b);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_DELETEITEMA})) << "a vetoed hand-over";
    EXPECT_EQ(Caret(), nullptr);
}

TEST_F(TreeStoreTest, DeleteAllSendsOnlySelChangingWhenAnswered0)
{
    HTREEITEM a = Insert(nullptr, "a");
    Insert(a, "a1");
    Insert(nullptr, "b");
    Select(a);
    parent.Clear();
    EXPECT_TRUE(Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
    EXPECT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_DELETEITEMA, TVN_DELETEITEMA, TVN_DELETEITEMA}));
    EXPECT_EQ(std::pair(parent.Olds()[0], parent.News()[0]), std::pair(a, HTREEITEM{}));
    EXPECT_EQ((std::vector{Caret(), FirstVisible()}), (std::vector<HTREEITEM>{nullptr, nullptr}));
    EXPECT_EQ(Send(TVM_GETCOUNT) + VisibleCount(), 0);

    HTREEITEM c = Insert(nullptr, "c");
    Select(c);
    parent.answer = [](const NMTREEVIEW&) { return 1; };
    parent.Clear();
    Delete(nullptr);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_SELCHANGEDA, TVN_DELETEITEMA}))
        << "a nonzero answer is followed by the changed notification";
}

// A parent that does not follow deletions asks for no TVN_DELETEITEMA: the
// selection notifications stay, the items go at once, their handles die
// and the tree fills again as before.
TEST_F(TreeStoreTest, WithoutDeleteNotificationsItemsGoSilentlyAndAtOnce)
{
    EXPECT_EQ(Send(TVM_SETDELETENOTIFY, FALSE), TRUE);
    HTREEITEM a = Insert(nullptr, "a");
    HTREEITEM a1 = Insert(a, "a1");
    Insert(nullptr, std::string(5000, 'b').c_str()); // a label of a heap block of its own
    Select(a);
    parent.Clear();
    Delete(a1);
    EXPECT_TRUE(parent.Codes().empty());
    EXPECT_TRUE(Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
    EXPECT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA}));
    EXPECT_EQ(std::tuple(Send(TVM_GETCOUNT), Next(nullptr, TVGN_ROOT), Next(a, TVGN_NEXT)),
              std::tuple(LRESULT{0}, HTREEITEM{}, HTREEITEM{}));
    EXPECT_FALSE(Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(a))) << "the handle names no item";
    EXPECT_EQ(Data()->m_labels.BytesReserved(), 0u);

    HTREEITEM c = Insert(nullptr, "c");
    EXPECT_EQ(Text(c), "c");
    EXPECT_EQ(Send(TVM_SETDELETENOTIFY, TRUE), FALSE);
    parent.Clear();
    Delete(c);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_DELETEITEMA}));
}

TEST_F(TreeStoreTest, SortOrdersLabelsIgnoringCase)
{
    HTREEITEM b = Insert(nullptr, "b");
    Insert(nullptr, "A");
    Insert(nullptr, "c");
    Insert(nullptr, "_");
    Insert(nullptr, "\xC9t\xE9"); // Été
    Insert(nullptr,
           "\xE9t\xE9"
           "a"); // étéa
    Select(b, TVGN_FIRSTVISIBLE);
    EXPECT_TRUE(Send(TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
    EXPECT_EQ(Labels(nullptr),
              (std::vector<std::string>{"_", "A", "b", "c", "\xC9t\xE9",
                                        "\xE9t\xE9"
                                        "a"}));
    EXPECT_EQ(Text(FirstVisible()), "_");
    EXPECT_EQ(TopIndex(), 0);
}

TEST_F(TreeStoreTest, SortingChildrenKeepsTheTopRowIndexRight)
{
    HTREEITEM p = Insert(nullptr, "p");
    for (const char* s : {"f", "e", "d", "c", "b", "a"})
        Insert(p, s);
    InsertMany(nullptr, 10, "tail");
    Expand(p, TVE_EXPAND);
    HTREEITEM f = Next(p, TVGN_CHILD);
    Select(f, TVGN_FIRSTVISIBLE);
    ASSERT_EQ(TopIndex(), 1);
    Send(TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(p));
    EXPECT_EQ(Labels(p), (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(RecountTree(Data()).firstVisibleRow, TopIndex());
    EXPECT_EQ(std::pair(TopIndex(), ShownScrollPos(SB_VERT)), std::pair(6, 6)) << "the scroll bar follows";
}

TEST_F(TreeStoreTest, ForeignHandlesAreRefused)
{
    HTREEITEM a = Insert(nullptr, "a");
    HTREEITEM b = Insert(nullptr, "b");
    HTREEITEM child = Insert(a, "child");
    EXPECT_EQ(Insert(b, "after another parent's child", child), nullptr);
    EXPECT_EQ(Insert(nullptr, "sorted", TVI_SORT), nullptr);
    int local = 0;
    auto foreign = reinterpret_cast<HTREEITEM>(&local);
    auto odd = reinterpret_cast<HTREEITEM>(reinterpret_cast<char*>(a) + 4);
    for (HTREEITEM bad : {foreign, odd}) {
        TVITEM tvi{.mask = TVIF_STATE, .hItem = bad};
        // Delete, expand, select, get and set the item, its next, a child, its rectangle.
        EXPECT_EQ((std::vector<long long>{Delete(bad), Expand(bad, TVE_EXPAND), Select(bad),
                                          TreeView_GetItem(hwnd, &tvi), SetItem(tvi),
                                          Next(bad, TVGN_NEXT) != nullptr, Insert(bad, "x") != nullptr,
                                          ItemRect(bad).top}),
                  (std::vector<long long>{0, 0, 0, 0, 0, 0, 0, -1}));
    }
    HTREEITEM gone = Insert(nullptr, "gone");
    Delete(gone);
    EXPECT_FALSE(Delete(gone)) << "a deleted item's handle is no item any more";
    EXPECT_EQ(Send(TVM_GETCOUNT), 3);
    EXPECT_FALSE(Send(TVM_GETITEMA, 0, 0));
    EXPECT_EQ(Send(TVM_INSERTITEMA, 0, 0), 0);
}

TEST_F(TreeStoreTest, ImageListsAreKeptAndReplaced)
{
    HIMAGELIST icons = ImageList_Create(32, 32, ILC_COLOR32, 1, 1);
    HIMAGELIST states = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    EXPECT_EQ(Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons)), 0);
    EXPECT_EQ(Send(TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(states)), 0);
    EXPECT_EQ(std::pair(Send(TVM_GETIMAGELIST, TVSIL_NORMAL), Send(TVM_GETIMAGELIST, TVSIL_STATE)),
              std::pair(reinterpret_cast<LRESULT>(icons), reinterpret_cast<LRESULT>(states)));
    EXPECT_EQ(Send(TVM_GETITEMHEIGHT), 32) << "row as high as the icons";
    EXPECT_EQ(Send(TVM_SETIMAGELIST, TVSIL_NORMAL, 0), reinterpret_cast<LRESULT>(icons));
    EXPECT_EQ(Send(TVM_GETITEMHEIGHT) + Send(TVM_GETINDENT), 16 + 19) << "back to the font's";
    ImageList_Destroy(icons);
    ImageList_Destroy(states);
}

} // namespace
