// Label editing through messages: beginning (and the parent's veto), the
// edit laid over the label, ending by Enter, Escape, focus loss or the
// control's own message with the parent's answer deciding the label, the
// edits that other operations cancel, and the edit's growth as text is
// typed.
#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeTestSupport.h"

namespace {

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
    BOOL EndNow(bool cancel) const { return static_cast<BOOL>(Send(TVM_ENDEDITLABELNOW, cancel ? 1 : 0)); }
    void EditKey(int vk) const { SendMessageA(edit, WM_KEYDOWN, static_cast<WPARAM>(vk), 1); }
    void Type(char ch) const
    {
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)), 1);
    }
    // The parent answers the end with `answer`, noting the edit control
    // reported meanwhile.
    void AcceptEnd(LRESULT answer)
    {
        parent.dispAnswer = [this, answer](const NMTVDISPINFO& nm) {
            editDuringEnd = EditControl();
            return nm.hdr.code == TVN_ENDLABELEDITA ? answer : 0;
        };
    }
    // An edit of items[1] with "renamed" typed over the label; the parent
    // answers the end with `answer`.
    void EditRenamed(LRESULT answer = 1)
    {
        EditLabel(items[1]);
        SetWindowTextA(edit, "renamed");
        AcceptEnd(answer);
        parent.Clear();
    }
    // The edit is gone: no edit control reported, the edit hidden.
    void ExpectNoEdit() const
    {
        EXPECT_EQ(EditControl(), nullptr);
        EXPECT_FALSE(IsWindowVisible(edit));
    }
    RECT EditRect() const
    {
        RECT rect{};
        GetWindowRect(edit, &rect);
        return rect;
    }
    RECT ScreenRect(RECT rect) const
    {
        ClientToScreen(hwnd, reinterpret_cast<POINT*>(&rect.left));
        ClientToScreen(hwnd, reinterpret_cast<POINT*>(&rect.right));
        return rect;
    }

    std::vector<HTREEITEM> items;
    HWND edit = nullptr;
    HWND editDuringEnd = nullptr;
};

// Beginning ----------------------------------------------------------------

TEST_F(LabelEditTest, BeginReportsTheItemThenSelectsItAndShowsTheFocusedEditOverTheLabel)
{
    EXPECT_EQ(EditLabel(items[1]), items[1]);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_BEGINLABELEDITA, TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    const NMTVDISPINFO& begin = parent.dispNotices[0].info;
    EXPECT_EQ(
        std::tuple(begin.item.mask, begin.item.hItem, begin.item.cchTextMax, parent.dispNotices[0].text),
        std::tuple(0x1Du, items[1], 5, "item1"));
    EXPECT_EQ(begin.item.pszText, NodeOf(items[1])->pszText) << "the stored label, not a copy";
    EXPECT_EQ(Caret(), items[1]);

    EXPECT_EQ(std::tuple(EditControl(), IsWindowVisible(edit), GetFocus()), std::tuple(edit, TRUE, edit));
    EXPECT_EQ(GetWindowTextString(edit), "item1");
    // The label's rectangle (0, 16, 39, 32), one higher and 20 wider.
    EXPECT_EQ(EditRect(), ScreenRect(RECT{0, 15, 59, 32}));
    Type('n');
    EXPECT_EQ(GetWindowTextString(edit), "n") << "typing replaces the selected label";
}

TEST_F(LabelEditTest, VetoAtBeginChangesNothing)
{
    Select(items[0]);
    parent.Clear();
    parent.dispAnswer = [](const NMTVDISPINFO&) { return LRESULT(1); };
    EXPECT_EQ(EditLabel(items[3]), nullptr);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_BEGINLABELEDITA}));
    EXPECT_EQ(Caret(), items[0]);
    ExpectNoEdit();
}

TEST_F(LabelEditTest, BeginOnTheEditedCaretKeepsTheEditAndOnAnotherItemCancelsIt)
{
    EditLabel(items[1]);
    parent.Clear();
    EXPECT_EQ(EditLabel(items[1]), items[1]);
    EXPECT_EQ(parent.Codes(), (Codes{TVN_BEGINLABELEDITA, TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(EditControl(), edit);

    parent.Clear();
    EXPECT_EQ(EditLabel(items[2]), items[2]);
    EXPECT_EQ(parent.Codes(),
              (Codes{TVN_BEGINLABELEDITA, TVN_SELCHANGINGA, TVN_ENDLABELEDITA, TVN_SELCHANGEDA}));
    EXPECT_EQ(std::pair(parent.dispNotices[1].info.item.hItem, parent.dispNotices[1].info.item.pszText),
              std::pair(items[1], static_cast<char*>(nullptr)));
    EXPECT_EQ(EditControl(), edit);
}

// Ending -------------------------------------------------------------------

enum class End { kEnter, kEscape, kFocusLoss, kEndNow, kEndNowCancel };

struct EndCase {
    const char* name;
    End how;
    LRESULT answer; // the parent's answer to the end notification
    bool textReported; // else cancelled: no text
    const char* label; // afterwards
};

class LabelEditEndTest : public LabelEditTest, public ::testing::WithParamInterface<EndCase> { };

TEST_P(LabelEditEndTest, ReportsTheTextOrNoneAndTheAnswerDecidesTheLabel)
{
    const EndCase& c = GetParam();
    EditRenamed(c.answer);
    BOOL result = FALSE;
    if (c.how == End::kEnter || c.how == End::kEscape)
        EditKey(c.how == End::kEnter ? VK_RETURN : VK_ESCAPE);
    else if (c.how == End::kFocusLoss)
        SetFocus(hwnd);
    else
        result = EndNow(c.how == End::kEndNowCancel);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_ENDLABELEDITA}));
    EXPECT_EQ(editDuringEnd, edit) << "reported during the notification";
    const NMTVDISPINFO& end = parent.dispNotices[0].info;
    EXPECT_EQ(std::tuple(end.item.hItem, end.item.mask, end.item.cchTextMax, end.item.pszText != nullptr,
                         parent.dispNotices[0].text),
              c.textReported ? std::tuple(items[1], 0x15u, 7, true, std::string("renamed"))
                             : std::tuple(items[1], 0x14u, 0, false, std::string()));
    EXPECT_EQ(Text(items[1]), c.label);
    if (c.how == End::kEndNow || c.how == End::kEndNowCancel) {
        EXPECT_EQ(result, Text(items[1]) == "renamed") << "whether the text was stored";
    }
    ExpectNoEdit();
}

INSTANTIATE_TEST_SUITE_P(Ways, LabelEditEndTest,
                         ::testing::Values(EndCase{"EnterAccepted", End::kEnter, 1, true, "renamed"},
                                           EndCase{"EnterRejected", End::kEnter, 0, true, "item1"},
                                           EndCase{"EscapeWhateverTheAnswer", End::kEscape, 1, false,
                                                   "item1"},
                                           EndCase{"FocusLoss", End::kFocusLoss, 1, true, "renamed"},
                                           EndCase{"EndNowAccepted", End::kEndNow, 1, true, "renamed"},
                                           EndCase{"EndNowRejected", End::kEndNow, 0, true, "item1"},
                                           EndCase{"EndNowCancel", End::kEndNowCancel, 1, false, "item1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LabelEditTest, AParentThatDeletesTheItemWhileAnsweringGetsNoLabelStored)
{
    EditLabel(items[1]);
    bool deleted = false;
    parent.dispAnswer = [&](const NMTVDISPINFO& nm) {
        if (nm.hdr.code == TVN_ENDLABELEDITA && !deleted) {
            deleted = true;
            Delete(items[1]);
        }
        return LRESULT(1);
    };
    parent.Clear();
    EXPECT_FALSE(EndNow(false));
    EXPECT_EQ(parent.Count(TVN_ENDLABELEDITA), 2) << "the deletion cancels the edit from inside the answer";
    EXPECT_EQ(testsupport::TreeLabels(hwnd), (std::vector<std::string>{"item0", "item2", "item3", "item4"}));
    EXPECT_EQ(EditControl(), nullptr);
}

TEST_F(LabelEditTest, ALongTextIsReportedAndStoredCut)
{
    EditLabel(items[1]);
    SetWindowTextA(edit, std::string(300, 'x').c_str());
    AcceptEnd(1);
    parent.Clear();
    EditKey(VK_RETURN);
    EXPECT_EQ(std::pair(parent.dispNotices[0].info.item.cchTextMax, parent.dispNotices[0].text),
              std::pair(259, std::string(259, 'x')));
    EXPECT_EQ(Text(items[1]), std::string(259, 'x'));
}

// What other operations do to an edit --------------------------------------

enum class Operation { kDeleteAnother, kDeleteEdited, kSelectAnother, kCollapse, kDestroy };

struct CancelCase {
    const char* name;
    Operation operation;
    Codes codes; // the notifications it causes, the cancelled end among them
    bool itemLives;
};

class LabelEditCancelTest : public LabelEditTest, public ::testing::WithParamInterface<CancelCase> { };

TEST_P(LabelEditCancelTest, CancelsTheEditAndKeepsTheLabel)
{
    const CancelCase& c = GetParam();
    // items[0] has an expanded child: the rows are item0, child, item1, ...
    Insert(items[0], "child");
    Expand(items[0], TVE_EXPAND);
    EditRenamed();
    if (c.operation == Operation::kDeleteAnother || c.operation == Operation::kDeleteEdited)
        Delete(items[c.operation == Operation::kDeleteAnother ? 3 : 1]);
    else if (c.operation == Operation::kSelectAnother)
        Select(items[2]);
    else if (c.operation == Operation::kCollapse)
        Expand(items[0], TVE_COLLAPSE);
    else
        tree.DestroyWindow();
    EXPECT_EQ(parent.Codes(), c.codes);
    ASSERT_EQ(parent.Count(TVN_ENDLABELEDITA), 1);
    EXPECT_EQ(std::pair(parent.dispNotices[0].info.item.hItem, parent.dispNotices[0].info.item.pszText),
              std::pair(items[1], static_cast<char*>(nullptr)));
    EXPECT_FALSE(IsWindowVisible(edit));
    if (c.itemLives) {
        EXPECT_EQ(std::pair(Text(items[1]), EditControl()), std::pair(std::string("item1"), HWND{}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, LabelEditCancelTest,
    ::testing::Values(CancelCase{"DeletingAnotherItem", Operation::kDeleteAnother,
                                 Codes{TVN_ENDLABELEDITA, TVN_DELETEITEMA}, true},
                      CancelCase{"DeletingTheEditedItem", Operation::kDeleteEdited,
                                 Codes{TVN_ENDLABELEDITA, TVN_SELCHANGINGA, TVN_SELCHANGEDA, TVN_DELETEITEMA},
                                 false},
                      CancelCase{"SelectingAnotherItem", Operation::kSelectAnother,
                                 Codes{TVN_SELCHANGINGA, TVN_ENDLABELEDITA, TVN_SELCHANGEDA}, true},
                      CancelCase{"Collapsing", Operation::kCollapse, Codes{TVN_ENDLABELEDITA}, true},
                      CancelCase{"DestroyingTheControlAfterTheCaretLetGo", Operation::kDestroy,
                                 Codes{TVN_SELCHANGINGA, TVN_ENDLABELEDITA, TVN_DELETEITEMA, TVN_DELETEITEMA,
                                       TVN_DELETEITEMA, TVN_DELETEITEMA, TVN_DELETEITEMA, TVN_DELETEITEMA},
                                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LabelEditTest, DeletingAllItemsCancelsAnEditWithoutACaret)
{
    // The parent refuses every caret change: the edit runs on an item that
    // never became the caret.
    parent.answer = [](const NMTREEVIEW& nm) { return nm.hdr.code == TVN_SELCHANGINGA ? 1 : 0; };
    ASSERT_EQ(EditLabel(items[1]), items[1]);
    ASSERT_EQ(Caret(), nullptr);
    SetWindowTextA(edit, "renamed");
    AcceptEnd(1);
    parent.Clear();
    Delete(TVI_ROOT);
    ASSERT_FALSE(parent.notices.empty());
    EXPECT_EQ(parent.notices[0].hdr.code, TVN_ENDLABELEDITA) << "before any item is freed";
    EXPECT_EQ(parent.Count(TVN_ENDLABELEDITA), 1);
    EXPECT_EQ(parent.dispNotices[0].info.item.pszText, nullptr) << "cancelled";
    ExpectNoEdit();

    InsertMany(nullptr, 5, "fresh");
    EditKey(VK_RETURN);
    EXPECT_EQ(testsupport::TreeLabels(hwnd),
              (std::vector<std::string>{"fresh0", "fresh1", "fresh2", "fresh3", "fresh4"}))
        << "no edit is left to rename a new item";
}

// Growth as text is typed ----------------------------------------------------

TEST_F(LabelEditTest, TypingWidensTheEditByTheTextBeforeTheCharacterPlusRoomAndCtrlLFitsItNeverBelowItsStart)
{
    EditLabel(items[1]);
    const RECT start = EditRect();
    SetWindowTextA(edit, "ab");
    Type('c');
    EXPECT_EQ(EditRect(), start) << "short text never narrows it";
    SetWindowTextA(edit, "abcdefghijkl"); // 12 characters of 7 pixels
    Type('m');
    EXPECT_EQ(EditRect(), (RECT{start.left, start.top, start.left + 12 * 7 + 16, start.bottom}));
    EXPECT_EQ(GetWindowTextString(edit), "abcdefghijklm");
    Type('\r');
    Type(27);
    EXPECT_EQ(GetWindowTextString(edit), "abcdefghijklm") << "Enter and Escape characters are not typed";

    // Ctrl+L fits the edit to the text, but not below its start.
    Type(12);
    EXPECT_EQ(EditRect().right - EditRect().left, 13 * 7) << "no room added";
    EXPECT_EQ(GetWindowTextString(edit), "abcdefghijklm") << "the control character is not typed";
    SetWindowTextA(edit, "ab");
    Type(12);
    EXPECT_EQ(EditRect(), start);
}

TEST_F(LabelEditTest, AnEditClippedAtTheRightEdgeNeverGrowsPastIt)
{
    CreateTree(kViewStyle, 50, 100);
    items = InsertMany(nullptr, 3, "item");
    edit = Data()->m_hwndEdit;
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EditLabel(items[1]);
    const RECT client = ScreenRect(ClientRect(Data()));
    EXPECT_EQ(EditRect().right, client.right) << "the label's right + 20 would be 59";
    SetWindowTextA(edit, "abcdefghijklmnop");
    Type('q');
    EXPECT_EQ(EditRect().right, client.right);
}

} // namespace
