// Layout and scrolling with the fixed-metrics font: every byte 7 pixels
// wide, rows of 16, a page of 6 in a client 100 high.
#include "treectrl/TreeScroll.h"
#include "treectrl/TreeTestSupport.h"

#include "support/TestSupport.h"

#include <cstring>

namespace {

class TreeLayoutTest : public TreeTest {
protected:
    SCROLLINFO Bar(int bar) const
    {
        SCROLLINFO si{.fMask = SIF_ALL};
        GetScrollInfo(hwnd, bar, &si);
        return si;
    }
    TVHITTESTINFO Hit(int x, int y) const
    {
        TVHITTESTINFO info{.pt = POINT{x, y}};
        Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }
};

TEST_F(TreeLayoutTest, RowHeightAndPageFromTheFontWhichIsPassedOn)
{
    EXPECT_EQ((std::vector{Send(TVM_GETITEMHEIGHT), Send(TVM_GETVISIBLECOUNT), Send(TVM_GETINDENT)}),
              (std::vector<LRESULT>{16, 6, 19}));
    Send(TVM_SETINDENT, 3);
    EXPECT_EQ(Send(TVM_GETINDENT), 15) << "never below 15";

    LOGFONTA lf;
    lf.lfHeight = -30;
    std::strcpy(lf.lfFaceName, "DejaVu Sans");
    HFONT big = CreateFontIndirectA(&lf);
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(big), FALSE);
    EXPECT_EQ(Send(WM_GETFONT), reinterpret_cast<LRESULT>(big));
    EXPECT_TRUE(Send(TVM_GETITEMHEIGHT) > 30 && Send(TVM_GETITEMHEIGHT) % 2 == 0) << Send(TVM_GETITEMHEIGHT);
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(Send(TVM_GETITEMHEIGHT), 16);
    DeleteObject(big);
}

// (The rectangles of labels in view: the hit test, the label edit's
// placement and the painting tests.)
TEST_F(TreeLayoutTest, HiddenItemsHaveNoRectangleAndRowsBelowTheClientAreaHaveOne)
{
    HTREEITEM a = Insert(nullptr, "abc");
    HTREEITEM child = Insert(a, "de");
    auto items = InsertMany(nullptr, 60, "r");
    EXPECT_EQ(ItemRect(child).top, -1) << "hidden under a collapsed parent";
    Expand(a, TVE_EXPAND);
    EXPECT_EQ(ItemRect(items[48]).top, 50 * 16);
}

TEST_F(TreeLayoutTest, HitTestZones)
{
    CreateTree(kViewStyle | TVS_HASBUTTONS);
    HTREEITEM a = Insert(nullptr, "abc");
    HTREEITEM a1 = Insert(a, "abc");
    HTREEITEM leaf = Insert(a1, "leaf");
    Expand(a, TVE_EXPAND);
    Expand(a1, TVE_EXPAND);
    RECT client;
    GetClientRect(hwnd, &client);
    // Row 0: a ("abc", 25 wide); row 1: a1 at depth 1 (offset 19) with a
    // child; row 2: the leaf at 38.
    const struct {
        int x;
        int y;
        UINT flags;
        HTREEITEM item;
    } hits[] = {
        {2, 2, TVHT_ONITEMLABEL, a},
        {3 * 7 + 3, 2, TVHT_ONITEMLABEL, a},
        {3 * 7 + 4, 2, TVHT_ONITEMRIGHT, a},
        {18, 16 + 2, TVHT_ONITEMBUTTON, a1},
        {0, 16 + 2, TVHT_ONITEMBUTTON, a1}, // the whole indent column is the button zone
        {37, 32 + 2, TVHT_ONITEMINDENT, leaf}, // a childless item has no button
        {18, 32 + 2, TVHT_ONITEMINDENT, leaf}, // more than one indent to the left
        {5, 60, TVHT_NOWHERE, nullptr},
        {-1, 5, TVHT_TOLEFT, nullptr},
        {client.right, 5, TVHT_TORIGHT, nullptr},
        {5, -3, TVHT_ABOVE, nullptr},
        {5, client.bottom, TVHT_BELOW, nullptr},
        {-1, -1, TVHT_TOLEFT | TVHT_ABOVE, nullptr},
    };
    for (const auto& h : hits) {
        const TVHITTESTINFO info = Hit(h.x, h.y);
        EXPECT_EQ(info.flags, h.flags) << h.x << "," << h.y;
        EXPECT_EQ(info.hItem, h.item) << h.x << "," << h.y;
    }
    EXPECT_EQ(Send(TVM_HITTEST, 0, 0), 0);
}

TEST_F(TreeLayoutTest, PageLineAndWheelScrollingIsClamped)
{
    InsertMany(nullptr, 10, "r");
    // Each step and the top row after it (as "index item"): a page asks for
    // 5, clamped to 10 - 6; other bar codes change nothing; the wheel moves
    // three rows per notch, less than a third of one moves nothing.
    std::vector<std::string> tops;
    auto record = [&] { tops.push_back(std::to_string(TopIndex()) + " " + Text(FirstVisible())); };
    for (int code : {SB_PAGEDOWN, SB_LINEDOWN, SB_PAGEUP, SB_LINEDOWN, SB_TOP, SB_LINEUP}) {
        VScroll(code);
        record();
    }
    for (int delta : {-120, 30, 80}) {
        Send(WM_MOUSEWHEEL, MAKEWPARAM(0, delta));
        record();
    }
    EXPECT_EQ(
        tops,
        (std::vector<std::string>{"4 r4", "4 r4", "0 r0", "1 r1", "1 r1", "0 r0", "3 r3", "3 r3", "1 r1"}));
    Send(WM_VSCROLL, SB_PAGEDOWN);
    const SCROLLINFO bar = Bar(SB_VERT);
    EXPECT_EQ(std::tuple(bar.nPos, bar.nMax, bar.nPage), std::tuple(4, 9, 6u));
}

TEST_F(TreeLayoutTest, ThumbPositionComesFromTheBar)
{
    InsertMany(nullptr, 100000, "r");
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = 70000;
    SetScrollInfo(hwnd, SB_VERT, &si, FALSE);
    ASSERT_EQ(Bar(SB_VERT).nTrackPos, 70000);
    EXPECT_EQ(Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1234)), 0);
    EXPECT_EQ(TopIndex(), 70000) << "the message's 16-bit position is not used";
    EXPECT_EQ(RecountTree(Data()).firstVisibleRow, TopIndex());
}

TEST_F(TreeLayoutTest, HorizontalScrollingByPixels)
{
    Insert(nullptr, std::string(100, 'w').c_str());
    EXPECT_EQ(Data()->m_nHorzExtent, 704);
    EXPECT_EQ(Bar(SB_HORZ).nMax, 703);
    RECT client;
    GetClientRect(hwnd, &client);
    std::vector<int> positions;
    for (int code : {SB_LINERIGHT, SB_PAGERIGHT, SB_PAGERIGHT, SB_LINELEFT}) {
        Send(WM_HSCROLL, static_cast<WPARAM>(code));
        positions.push_back(Data()->m_nHorzPos);
    }
    EXPECT_EQ(positions, (std::vector<int>{1, client.right, 704 - client.right, 703 - client.right}))
        << "a page further is clamped to the extent less the client's width";
    EXPECT_EQ(ItemRect(FirstVisible(), true).left, client.right - 703) << "the labels move with it";
}

TEST_F(TreeLayoutTest, SetFirstVisibleMovesTheIndexByTheRowsPassed)
{
    HTREEITEM a = Insert(nullptr, "a");
    InsertMany(a, 3, "a");
    Expand(a, TVE_EXPAND);
    auto rest = InsertMany(nullptr, 20, "r");
    TreeData* td = Data();
    ASSERT_EQ(TopIndex(), 0);
    SetFirstVisible(td, NodeOf(rest[7])); // a + 3 children + r0..r7 = 11 rows before... r7 is row 11
    EXPECT_EQ(TopIndex(), 11);
    SetFirstVisible(td, NodeOf(rest[19]));
    EXPECT_EQ(TopIndex(), 23) << "twelve rows further";
    TreeNode* firstChild = NodeOf(Next(a, TVGN_CHILD));
    td->m_pFirstVisible = nullptr;
    SetFirstVisible(td, firstChild);
    EXPECT_EQ(TopIndex(), 1) << "absolute when the old top is unknown";
}

TEST_F(TreeLayoutTest, InsertingAboveTheTopKeepsTheRowsInView)
{
    auto items = InsertMany(nullptr, 20, "r");
    Select(items[10], TVGN_FIRSTVISIBLE);
    ASSERT_EQ(TopIndex(), 10);
    Insert(nullptr, "first", TVI_FIRST);
    EXPECT_EQ(std::pair(TopIndex(), FirstVisible()), std::pair(11, items[10]));
    Insert(items[3], "hidden child");
    EXPECT_EQ(std::pair(TopIndex(), VisibleCount()), std::pair(11, 21))
        << "children of a collapsed item add no rows";
}

TEST_F(TreeLayoutTest, DeletionsPullTheLastPageFull)
{
    auto items = InsertMany(nullptr, 10, "r");
    VScroll(SB_PAGEDOWN);
    ASSERT_EQ(TopIndex(), 4);
    // The top row (index and item) after each deletion: 9 rows of a page of
    // 6; the deleted top row hands over and the page is pulled up; a row
    // above the top goes.
    std::vector<std::string> tops;
    for (int i : {9, 3, 0}) {
        Delete(items[static_cast<std::size_t>(i)]);
        tops.push_back(std::to_string(TopIndex()) + " " + Text(FirstVisible()));
    }
    EXPECT_EQ(tops, (std::vector<std::string>{"3 r3", "2 r2", "1 r2"}));
    const Recount r = RecountTree(Data());
    EXPECT_EQ(r.firstVisibleRow, TopIndex());
    EXPECT_EQ(r.visible, VisibleCount());
}

TEST_F(TreeLayoutTest, DeletingTheTopItemsParentMovesTheTop)
{
    HTREEITEM a = Insert(nullptr, "a");
    auto children = InsertMany(a, 10, "c");
    auto tail = InsertMany(nullptr, 10, "t");
    Expand(a, TVE_EXPAND);
    Select(children[4], TVGN_FIRSTVISIBLE);
    Delete(a);
    EXPECT_EQ(std::tuple(FirstVisible(), TopIndex(), VisibleCount()), std::tuple(tail[0], 0, 10));
}

TEST_F(TreeLayoutTest, RedrawOffDefersTheScrollBarsAndRedrawOnRepaintsOnce)
{
    testsupport::MessageRecorder recorder;
    recorder.Watch(hwnd);
    Send(WM_SETREDRAW, FALSE);
    InsertMany(nullptr, 1000, "r");
    EXPECT_EQ(Bar(SB_VERT).nMax, 0) << "no layout work while redraw is off";
    EXPECT_EQ(VisibleCount(), 1000);
    testsupport::ProcessEvents(); // shown and painted once
    recorder.Clear();
    EXPECT_EQ(Send(WM_SETREDRAW, TRUE), 0);
    EXPECT_EQ(Bar(SB_VERT).nMax, 999);
    EXPECT_EQ(Data()->m_nHorzExtent, 4 * 7 + 4);
    EXPECT_GE(recorder.Count(WM_SIZE), 1) << "the bar takes room from the client area";
    EXPECT_EQ(recorder.Count(WM_PAINT), 1) << "the size change inside the update only marks the redraw";
}

TEST_F(TreeLayoutTest, FillingManyRowsRebuildsTheExtentInsteadOfListingThem)
{
    Insert(nullptr, "first");
    Send(WM_SETREDRAW, FALSE);
    for (int i = 0; i < 70000; ++i)
        Insert(nullptr, i == 50000 ? "the widest label of all" : "row");
    EXPECT_LT(Data()->m_extent.pending.capacity(), 70000u);
    Send(WM_SETREDRAW, TRUE);
    EXPECT_EQ(Data()->m_nHorzExtent, 23 * 7 + 4);
    EXPECT_EQ(Data()->m_nHorzExtent, ScannedExtent(Data()));
}

} // namespace
