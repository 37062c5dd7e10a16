// Label editing through messages: beginning (and the parent's veto), the
// edit laid over the label, ending by Enter, Escape, focus loss or the
// control's own message with the parent's answer deciding the label, the
// edits that other operations cancel, and the edit's growth as text is
// typed.
#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeTestSupport.h"

namespace {

using Codes = std::vector<UINT>;

class LabelEditTest : public TreeTest {
protected:
    void SetUp() override
    {
        TreeTest::SetUp();
        items = InsertMany(nullptr, 5, "item");
        edit = Data()->m_hwndEdit;
        ASSERT_NE(edit, nullptr);
        // The edit keeps the font the control had when it was made; give it
        // the test font so that widths are exact.
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        parent.Clear();
    }
    HTREEITEM Edit(HTREEITEM item) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item)));
    }
    HWND EditControl() const { return reinterpret_cast<HWND>(Send(TVM_GETEDITCONTROL)); }
    BOOL EndNow(bool cancel) const { return static_cast<BOOL>(Send(TVM_ENDEDITLABELNOW, cancel ? 1 : 0)); }
    void EditKey(int vk) const { SendMessageA(edit, WM_KEYDOWN, static_cast<WPARAM>(vk), 1); }
    void Type(char ch) const
    {
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)), 1);
    }
    void AcceptEnd(LRESULT answer)
    {
        parent.labelAnswer = [answer](const NMTVDISPINFO& nm) {
            return nm.hdr.code == TVN_ENDLABELEDITA ? answer : 0;
        };
    }
    RECT EditRect() const
    {
        RECT rect{};
        GetWindowRect(edit, &rect);
        return rect;
    }
    RECT ScreenRect(RECT rect) const
    {
        POINT a{rect.left, rect.top};
        POINT b{rect.right, rect.bottom};
        ClientToScreen(hwnd, &a);
        ClientToScreen(hwnd, &b);
        return RECT{a.x, a.y, b.x, b.y};
    }

    std::vector<HTREEITEM> items;
    HWND edit = nullptr;
};

// Beginning ----------------------------------------------------------------

TEST_F(LabelEditTest, BeginReportsTheItemWithItsOwnLabelThenSelectsIt)
{
    EXPECT_EQ(Edit(items[1]), items[1]);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_BEGINLABELEDITA, TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    const NMTVDISPINFO& begin = parent.labelNotices[0].info;
    EXPECT_EQ(begin.hdr.hwndFrom, hwnd);
    EXPECT_EQ(begin.hdr.idFrom, kTreeId);
    EXPECT_EQ(begin.item.mask, 0x1Du);
    EXPECT_EQ(begin.item.hItem, items[1]);
    EXPECT_EQ(begin.item.pszText, NodeOf(items[1])->pszText) << "the stored label, not a copy";
    EXPECT_EQ(begin.item.cchTextMax, 5);
    EXPECT_EQ(parent.labelNotices[0].text, "item1");
    EXPECT_EQ(Caret(), items[1]);
}

TEST_F(LabelEditTest, TheEditTimerBeginsAnEditOfTheCaret)
{
    Select(items[2]);
    parent.Clear();
    Send(WM_TIMER, kEditTimer);
    ASSERT_EQ(parent.Count(TVN_BEGINLABELEDITA), 1);
    EXPECT_EQ(parent.labelNotices[0].info.item.hItem, items[2]);
    EXPECT_EQ(EditControl(), edit);
}

TEST_F(LabelEditTest, BeginShowsTheFocusedEditOverTheLabelWithItsText)
{
    Edit(items[2]);
    EXPECT_EQ(EditControl(), edit);
    EXPECT_TRUE(IsWindowVisible(edit));
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(GetWindowTextString(edit), "item2");
    RECT expected = ItemRect(items[2], true);
    expected.right += 20;
    expected.top -= 1;
    const RECT placed = EditRect();
    const RECT want = ScreenRect(expected);
    EXPECT_EQ(placed.left, want.left);
    EXPECT_EQ(placed.top, want.top);
    EXPECT_EQ(placed.right, want.right);
    EXPECT_EQ(placed.bottom, want.bottom);
}

TEST_F(LabelEditTest, VetoAtBeginChangesNothing)
{
    Select(items[0]);
    parent.Clear();
    parent.labelAnswer = [](const NMTVDISPINFO&) { return LRESULT(1); };
    EXPECT_EQ(Edit(items[3]), nullptr);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_BEGINLABELEDITA}));
    EXPECT_EQ(Caret(), items[0]);
    EXPECT_EQ(EditControl(), nullptr);
    EXPECT_FALSE(IsWindowVisible(edit));
}

TEST_F(LabelEditTest, BeginOnTheEditedCaretKeepsTheRunningEdit)
{
    Edit(items[1]);
    parent.Clear();
    EXPECT_EQ(Edit(items[1]), items[1]);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_BEGINLABELEDITA, TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.Count(TVN_ENDLABELEDITA), 0);
    EXPECT_EQ(EditControl(), edit);
}

TEST_F(LabelEditTest, BeginOnAnotherItemCancelsTheRunningEdit)
{
    Edit(items[1]);
    parent.Clear();
    EXPECT_EQ(Edit(items[2]), items[2]);
    EXPECT_EQ(parent.Codes(),
              (Codes{TVN_BEGINLABELEDITA, TVN_SELCHANGINGA, TVN_ENDLABELEDITA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.labelNotices[1].info.item.hItem, items[1]);
    EXPECT_EQ(parent.labelNotices[1].info.item.pszText, nullptr);
    EXPECT_EQ(EditControl(), edit);
}

// Ending -------------------------------------------------------------------

TEST_F(LabelEditTest, EnterReportsTheTextAndAnAcceptedTextBecomesTheLabel)
{
    Edit(items[1]);
    SetWindowTextA(edit, "renamed");
    AcceptEnd(1);
    parent.Clear();
    EditKey(VK_RETURN);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_ENDLABELEDITA}));
    const NMTVDISPINFO& end = parent.labelNotices[0].info;
    EXPECT_EQ(end.item.mask, 0x15u);
    EXPECT_EQ(end.item.hItem, items[1]);
    EXPECT_EQ(end.item.cchTextMax, 7);
    EXPECT_EQ(parent.labelNotices[0].text, "renamed");
    EXPECT_EQ(Text(items[1]), "renamed");
    EXPECT_EQ(EditControl(), nullptr);
    EXPECT_FALSE(IsWindowVisible(edit));
}

TEST_F(LabelEditTest, EnterWithARejectedTextKeepsTheLabel)
{
    Edit(items[1]);
    SetWindowTextA(edit, "renamed");
    EditKey(VK_RETURN);
    EXPECT_EQ(parent.Count(TVN_ENDLABELEDITA), 1);
    EXPECT_EQ(Text(items[1]), "item1");
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditTest, EscapeReportsNoTextAndKeepsTheLabelWhateverTheAnswer)
{
    Edit(items[1]);
    SetWindowTextA(edit, "renamed");
    AcceptEnd(1);
    parent.Clear();
    EditKey(VK_ESCAPE);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_ENDLABELEDITA}));
    const NMTVDISPINFO& end = parent.labelNotices[0].info;
    EXPECT_EQ(end.item.mask, 0x14u);
    EXPECT_EQ(end.item.hItem, items[1]);
    EXPECT_EQ(end.item.pszText, nullptr);
    EXPECT_EQ(end.item.cchTextMax, 0);
    EXPECT_EQ(Text(items[1]), "item1");
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditTest, FocusLossEndsTheEditAndKeepsTheText)
{
    Edit(items[1]);
    SetWindowTextA(edit, "renamed");
    AcceptEnd(1);
    parent.Clear();
    SetFocus(hwnd);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_ENDLABELEDITA}));
    EXPECT_EQ(Text(items[1]), "renamed");
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditTest, EndNowAnswersWhetherTheTextWasStored)
{
    Edit(items[1]);
    SetWindowTextA(edit, "kept");
    AcceptEnd(1);
    EXPECT_TRUE(EndNow(false));
    EXPECT_EQ(Text(items[1]), "kept");

    Edit(items[1]);
    AcceptEnd(0);
    EXPECT_FALSE(EndNow(false));

    Edit(items[1]);
    AcceptEnd(1);
    EXPECT_FALSE(EndNow(true));
}

TEST_F(LabelEditTest, EndNowWithoutAnEditSendsNothing)
{
    EXPECT_FALSE(EndNow(false));
    EXPECT_TRUE(parent.notices.empty());
}

TEST_F(LabelEditTest, TheEditIsReportedDuringTheEndNotificationAndNotAfter)
{
    Edit(items[1]);
    HWND during = nullptr;
    parent.labelAnswer = [&](const NMTVDISPINFO&) {
        during = EditControl();
        return LRESULT(0);
    };
    EditKey(VK_RETURN);
    EXPECT_EQ(during, edit);
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditTest, AParentThatDeletesTheItemWhileAnsweringGetsNoLabelStored)
{
    Edit(items[1]);
    bool deleted = false;
    parent.labelAnswer = [&](const NMTVDISPINFO& nm) {
        if (nm.hdr.code == TVN_ENDLABELEDITA && !deleted) {
            deleted = true;
            Delete(items[1]);
        }
        return LRESULT(1);
    };
    parent.Clear();
    EXPECT_FALSE(EndNow(false));
    EXPECT_EQ(parent.Count(TVN_ENDLABELEDITA), 2) << "the deletion cancels the edit from inside the answer";
    EXPECT_EQ(Next(nullptr, TVGN_ROOT), items[0]);
    EXPECT_EQ(Next(items[0], TVGN_NEXT), items[2]);
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditTest, ALongTextIsReportedAndStoredCut)
{
    Edit(items[1]);
    const std::string longText(300, 'x');
    SetWindowTextA(edit, longText.c_str());
    AcceptEnd(1);
    parent.Clear();
    EditKey(VK_RETURN);
    EXPECT_EQ(parent.labelNotices[0].info.item.cchTextMax, 259);
    EXPECT_EQ(parent.labelNotices[0].text, std::string(259, 'x'));
    EXPECT_EQ(NodeOf(items[1])->cchText, 259);
}

// What other operations do to an edit --------------------------------------

TEST_F(LabelEditTest, DeletingAnItemCancelsTheEditFirst)
{
    Edit(items[1]);
    SetWindowTextA(edit, "renamed");
    AcceptEnd(1);
    parent.Clear();
    Delete(items[3]);
    ASSERT_GE(parent.notices.size(), 2u);
    EXPECT_EQ(parent.notices[0].hdr.code, TVN_ENDLABELEDITA);
    EXPECT_EQ(parent.labelNotices[0].info.item.pszText, nullptr);
    EXPECT_EQ(parent.notices[1].hdr.code, TVN_DELETEITEMA);
    EXPECT_EQ(Text(items[1]), "item1");
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditTest, DeletingTheEditedItemCancelsTheEdit)
{
    Edit(items[1]);
    parent.Clear();
    Delete(items[1]);
    EXPECT_EQ(parent.Count(TVN_ENDLABELEDITA), 1);
    EXPECT_EQ(parent.labelNotices[0].info.item.hItem, items[1]);
    EXPECT_EQ(EditControl(), nullptr);
    EXPECT_FALSE(IsWindowVisible(edit));
}

TEST_F(LabelEditTest, DeletingAllItemsCancelsAnEditWithoutACaret)
{
    // The parent refuses every caret change: the edit runs on an item that
    // never became the caret.
    parent.answer = [](const NMTREEVIEW& nm) { return nm.hdr.code == TVN_SELCHANGINGA ? 1 : 0; };
    ASSERT_EQ(Edit(items[1]), items[1]);
    ASSERT_EQ(Caret(), nullptr);
    SetWindowTextA(edit, "renamed");
    AcceptEnd(1);
    parent.Clear();
    Delete(TVI_ROOT);
    ASSERT_FALSE(parent.notices.empty());
    EXPECT_EQ(parent.notices[0].hdr.code, TVN_ENDLABELEDITA) << "before any item is freed";
    EXPECT_EQ(parent.Count(TVN_ENDLABELEDITA), 1);
    EXPECT_EQ(parent.labelNotices[0].info.item.pszText, nullptr) << "cancelled";
    EXPECT_EQ(EditControl(), nullptr);
    EXPECT_FALSE(IsWindowVisible(edit));

    auto fresh = InsertMany(nullptr, 5, "fresh");
    EditKey(VK_RETURN);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Text(fresh[i]), "fresh" + std::to_string(i)) << "no edit is left to rename a new item";
}

TEST_F(LabelEditTest, DestroyingTheControlCancelsTheEditAfterTheCaretLetGo)
{
    Edit(items[1]);
    ASSERT_EQ(GetFocus(), edit);
    SetWindowTextA(edit, "renamed");
    AcceptEnd(1);
    parent.Clear();
    tree.DestroyWindow();
    ASSERT_GE(parent.notices.size(), 2u);
    EXPECT_EQ(parent.notices[0].hdr.code, TVN_SELCHANGINGA);
    EXPECT_EQ(parent.notices[1].hdr.code, TVN_ENDLABELEDITA);
    EXPECT_EQ(parent.Count(TVN_ENDLABELEDITA), 1);
    EXPECT_EQ(parent.labelNotices[0].info.item.pszText, nullptr) << "cancelled: nothing to rename";
    EXPECT_EQ(parent.Count(TVN_DELETEITEMA), 5);
}

TEST_F(LabelEditTest, SelectingAnotherItemCancelsTheEdit)
{
    Edit(items[1]);
    SetWindowTextA(edit, "renamed");
    AcceptEnd(1);
    parent.Clear();
    Select(items[2]);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_SELCHANGINGA, TVN_ENDLABELEDITA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.labelNotices[0].info.item.pszText, nullptr);
    EXPECT_EQ(Text(items[1]), "item1");
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditTest, CollapsingCancelsTheEdit)
{
    Insert(items[0], "child");
    Expand(items[0], TVE_EXPAND);
    Edit(items[3]);
    parent.Clear();
    Expand(items[0], TVE_COLLAPSE);
    EXPECT_EQ(parent.Count(TVN_ENDLABELEDITA), 1);
    EXPECT_EQ(EditControl(), nullptr);
}

// Growth as text is typed ----------------------------------------------------

TEST_F(LabelEditTest, TypingWidensTheEditByTheTextBeforeTheCharacterPlusRoom)
{
    Edit(items[1]);
    const RECT start = EditRect();
    const int initialWidth = start.right - start.left;
    SetWindowTextA(edit, "abcdefghijkl"); // 12 characters of 7 pixels
    ASSERT_GT(12 * 7 + 16, initialWidth);
    Type('m');
    const RECT grown = EditRect();
    EXPECT_EQ(grown.right - grown.left, 12 * 7 + 16);
    EXPECT_EQ(grown.left, start.left);
    EXPECT_EQ(grown.top, start.top);
    EXPECT_EQ(grown.bottom - grown.top, start.bottom - start.top);
    EXPECT_EQ(GetWindowTextString(edit), "abcdefghijklm");
}

TEST_F(LabelEditTest, ShortTextNeverNarrowsTheEditBelowItsStart)
{
    Edit(items[1]);
    const RECT start = EditRect();
    SetWindowTextA(edit, "ab");
    Type('c');
    EXPECT_EQ(EditRect().right, start.right);
}

TEST_F(LabelEditTest, CtrlLFitsTheEditToTheTextButNotBelowItsStart)
{
    Edit(items[1]);
    const RECT start = EditRect();
    SetWindowTextA(edit, "abcdefghijkl");
    Type('m');
    Type(12);
    EXPECT_EQ(EditRect().right - EditRect().left, 13 * 7) << "no room added";
    EXPECT_EQ(GetWindowTextString(edit), "abcdefghijklm") << "the control character is not typed";
    SetWindowTextA(edit, "ab");
    Type(12);
    EXPECT_EQ(EditRect().right, start.right);
}

TEST_F(LabelEditTest, AnEditClippedAtTheRightEdgeNeverGrowsPastIt)
{
    CreateTree(kViewStyle, 50, 100);
    items = InsertMany(nullptr, 3, "item");
    edit = Data()->m_hwndEdit;
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ASSERT_GT(ItemRect(items[1], true).right + 20, ClientRect(Data()).right);
    Edit(items[1]);
    const RECT client = ScreenRect(ClientRect(Data()));
    EXPECT_EQ(EditRect().right, client.right);
    SetWindowTextA(edit, "abcdefghijklmnop");
    Type('q');
    EXPECT_EQ(EditRect().right, client.right);
}

TEST_F(LabelEditTest, EnterAndEscapeCharactersAreNotTyped)
{
    Edit(items[1]);
    SetWindowTextA(edit, "ab");
    Type('\r');
    Type(27);
    EXPECT_EQ(GetWindowTextString(edit), "ab");
}

} // namespace
