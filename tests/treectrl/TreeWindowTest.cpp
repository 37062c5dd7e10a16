// The control's window: attachment by Create and by SubclassWindow (after
// a Create, failed or not) and the pass-on rule of the dispatch table
// (teardown: the label edit's cancel cases).
#include "treectrl/TreeTestSupport.h"

#include "support/TestSupport.h"

#include <algorithm>

namespace {

// A window class whose procedure records what reaches it: it plays the
// replaced procedure for a control attached to an existing window.
std::vector<UINT>& Reached()
{
    static std::vector<UINT> messages;
    return messages;
}

constexpr UINT kProbe = WM_USER + 77;

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Reached().push_back(msg);
    if (msg == kProbe)
        return 4242;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class TreeWindowTest : public TreeTest {
protected:
    HWND CreateRecordingWindow()
    {
        return testsupport::CreateChild(testsupport::TestWindowClass("LumenorRecordingTree", RecordingProc),
                                        parent.hwnd(), kTreeId, 0, 0, 300, 100);
    }
    bool ReachedReplaced(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        Reached().clear();
        SendMessageA(attached, msg, wParam, lParam);
        return std::find(Reached().begin(), Reached().end(), msg) != Reached().end();
    }
    CEntityTreeCtrl existing;
    HWND attached = nullptr;
};

TEST_F(TreeWindowTest, CreateAttachesOnCreationWithAHiddenEditAndNoEditInProgress)
{
    ASSERT_NE(Data(), nullptr);
    EXPECT_EQ(std::tuple(Data()->m_hWnd, GetParent(Data()->m_hwndEdit), IsWindowVisible(Data()->m_hwndEdit),
                         EditControl(), Send(TVM_ENDEDITLABELNOW, 0)),
              std::tuple(hwnd, hwnd, FALSE, HWND{}, LRESULT{FALSE}));
    EXPECT_TRUE(parent.notices.empty()) << "ending no edit sends nothing";
}

TEST_F(TreeWindowTest, AfterCreateTheObjectAttachesTheControlToAnExistingWindow)
{
    // The control answers, not the window's own procedure.
    auto attachesControl = [this](CEntityTreeCtrl& object) {
        HWND existing = CreateRecordingWindow();
        if (!object.SubclassWindow(existing) || object.GetSafeHwnd() != existing)
            return false;
        const bool inserted = testsupport::InsertTreeItem(existing, nullptr, "x") != nullptr;
        const bool answered = inserted && SendMessageA(existing, TVM_GETCOUNT, 0, 0) == 1;
        object.DestroyWindow();
        return answered;
    };
    RECT rect{0, 0, 10, 10};
    CEntityTreeCtrl afterDestruction;
    ASSERT_TRUE(afterDestruction.Create(kViewStyle, rect, parent.hwnd(), 1));
    afterDestruction.DestroyWindow();
    EXPECT_TRUE(attachesControl(afterDestruction));
    CEntityTreeCtrl afterFailure;
    ASSERT_FALSE(afterFailure.Create(kViewStyle, rect, nullptr, 1)) << "a child needs a parent";
    EXPECT_EQ(afterFailure.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(attachesControl(afterFailure)) << "no window made later is taken for the failed one";
}

TEST_F(TreeWindowTest, UnhandledMessagesReachTheReplacedProcedure)
{
    attached = CreateRecordingWindow();
    ASSERT_TRUE(existing.SubclassWindow(attached));
    // Thumb commands without a scroll bar answer 1.
    EXPECT_EQ(SendMessageA(attached, WM_VSCROLL, SB_THUMBTRACK, 0), 1);
    EXPECT_EQ(SendMessageA(attached, WM_HSCROLL, SB_THUMBPOSITION, 0), 1);
    EXPECT_EQ(SendMessageA(attached, WM_VSCROLL, SB_LINEDOWN, 0), 0);
    EXPECT_EQ(SendMessageA(attached, kProbe, 1, 2), 4242) << "its result is returned";
    // Passed on (an empty tree is painted by the replaced procedure), then
    // what the control handles, which stays with it.
    EXPECT_EQ(
        (std::vector{ReachedReplaced(TVM_SETITEMHEIGHT, 20), ReachedReplaced(TVM_INSERTITEMW),
                     ReachedReplaced(WM_CHAR, 'a'), ReachedReplaced(WM_PAINT), ReachedReplaced(WM_TIMER, 999),
                     ReachedReplaced(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 100)),
                     ReachedReplaced(TVM_GETCOUNT), ReachedReplaced(WM_KEYDOWN, VK_DOWN),
                     ReachedReplaced(WM_MOUSEMOVE), ReachedReplaced(WM_LBUTTONDOWN)}),
        (std::vector{true, true, true, true, true, true, false, false, false, false}));

    EXPECT_TRUE(ReachedReplaced(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE));
    EXPECT_EQ(SendMessageA(attached, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
    EXPECT_EQ(SendMessageA(attached, TVM_GETITEMHEIGHT, 0, 0), 16) << "and the control takes the font too";
}

} // namespace
