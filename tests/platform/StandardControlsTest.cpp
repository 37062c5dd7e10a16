// The standard window classes: progress, edit, button, list view, tab
// control and tooltip. (The link label's static is tested through the label,
// the tree-view class through the tree control.)
#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/Window.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using testsupport::MessageRecorder;

class StandardControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = testsupport::CreateShownTopWindow(400, 300);
        ASSERT_NE(top, nullptr);
        parentLog.Watch(top);
    }
    void TearDown() override
    {
        SetFocus(nullptr);
        DestroyWindow(top);
        testsupport::ProcessEvents();
    }

    HWND Child(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id)
    {
        return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, top,
                               static_cast<HMENU>(id), nullptr, nullptr);
    }

    // The WM_COMMAND notifications the parent got: (id, code).
    std::vector<std::pair<int, int>> Commands() const
    {
        std::vector<std::pair<int, int>> out;
        for (const auto& m : parentLog.Messages()) {
            if (m.message == WM_COMMAND)
                out.emplace_back(LOWORD(m.wParam), HIWORD(m.wParam));
        }
        return out;
    }

    QWindow* Window() const { return WidgetOfWindow(top)->windowHandle(); }

    HWND top = nullptr;
    MessageRecorder parentLog;
};

TEST_F(StandardControlsTest, ProgressKeepsRangeStepAndPosition)
{
    HWND bar = Child(PROGRESS_CLASSA, "", 0, 10, 10, 160, 16, 0);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageA(bar, PBM_SETRANGE32, 0, 200), MAKELPARAM(0, 100));
    EXPECT_EQ(SendMessageA(bar, PBM_SETSTEP, 50, 0), 10);
    EXPECT_EQ(SendMessageA(bar, PBM_STEPIT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(bar, PBM_STEPIT, 0, 0), 50);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 100);
    EXPECT_EQ(SendMessageA(bar, PBM_SETPOS, 500, 0), 100);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 200) << "clamped to the range";
    SendMessageA(bar, PBM_SETPOS, 180, 0);
    SendMessageA(bar, PBM_STEPIT, 0, 0);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 30) << "past the end it starts over";

    // Half full: highlight chunks on the left half, button face on the right.
    SendMessageA(bar, PBM_SETPOS, 100, 0);
    UpdateWindow(bar);
    const QImage image = testsupport::GrabClient(bar);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(3, 8), QColorOf(GetSysColor(COLOR_HIGHLIGHT)).rgb());
    EXPECT_EQ(image.pixel(120, 8), QColorOf(GetSysColor(COLOR_BTNFACE)).rgb());
}

WNDPROC g_editPrevious = nullptr;
std::vector<std::pair<UINT, std::string>> g_editSeen; // message and the text at that moment

LRESULT EditSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN || msg == WM_CHAR || msg == WM_KILLFOCUS || msg == WM_SETFOCUS)
        g_editSeen.emplace_back(msg, GetWindowTextString(hwnd));
    if ((msg == WM_KEYDOWN && wParam == static_cast<WPARAM>(VK_RETURN)) || (msg == WM_CHAR && wParam == 13))
        return 0; // swallowed, as a label editor does
    return CallWindowProcA(g_editPrevious, hwnd, msg, wParam, lParam);
}

TEST_F(StandardControlsTest, EditMessagesReachTheSubclassBeforeTheEditor)
{
    HWND edit = Child(WC_EDITA, "ab", WS_BORDER, 10, 10, 150, 24, 9);
    HWND other = Child(WC_STATICA, "", 0, 10, 100, 50, 20, 10);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(GetWindowTextString(edit), "ab");
    g_editPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&EditSubclass)));
    g_editSeen.clear();
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    EXPECT_EQ(GetFocus(), edit) << "a click gives the focus";
    testsupport::ProcessEvents();
    parentLog.Clear();

    QWidget* editor = WidgetOfWindow(edit);
    SendMessageA(edit, EM_SETSEL, 2, -1);
    QTest::keyClick(editor, Qt::Key_C);
    EXPECT_EQ(GetWindowTextString(edit), "abc");
    std::vector<std::pair<UINT, std::string>> expected = {
        {WM_SETFOCUS, "ab"}, {WM_KEYDOWN, "ab"}, {WM_CHAR, "ab"}};
    EXPECT_EQ(g_editSeen, expected) << "the subclass sees the key before it is typed";
    EXPECT_EQ(Commands(), (std::vector<std::pair<int, int>>{{9, static_cast<int>(EN_CHANGE)}}));

    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(GetWindowTextString(edit), "abc");
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(GetWindowTextString(edit), "ab");
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_X);
    EXPECT_EQ(GetWindowTextString(edit), "xab") << "navigation keys reach the editor";

    SendMessageA(edit, EM_SETSEL, 0, -1);
    QTest::keyClick(editor, Qt::Key_Z);
    EXPECT_EQ(GetWindowTextString(edit), "z") << "typing replaces the selection";

    EXPECT_TRUE(SetWindowTextA(edit, "caf\xE9"));
    EXPECT_EQ(GetWindowTextLengthA(edit), 4);
    EXPECT_EQ(GetWindowTextString(edit), "caf\xE9");
    EXPECT_EQ(static_cast<QLineEdit*>(editor)->text(), QString::fromUtf8("café"));

    g_editSeen.clear();
    parentLog.Clear();
    SetFocus(other);
    ASSERT_FALSE(g_editSeen.empty());
    EXPECT_EQ(g_editSeen.front().first, static_cast<UINT>(WM_KILLFOCUS));
    EXPECT_EQ(Commands(), (std::vector<std::pair<int, int>>{{9, static_cast<int>(EN_KILLFOCUS)}}));
}

TEST_F(StandardControlsTest, AutoRadioButtonsCheckWithinTheirGroupAndCheckBoxesToggle)
{
    HWND r1 = Child(WC_BUTTONA, "One", BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 100, 20, 21);
    HWND r2 = Child(WC_BUTTONA, "Two", BS_AUTORADIOBUTTON, 10, 30, 100, 20, 22);
    HWND r3 = Child(WC_BUTTONA, "Three", BS_AUTORADIOBUTTON, 10, 50, 100, 20, 23);
    HWND other = Child(WC_BUTTONA, "Other", BS_AUTORADIOBUTTON | WS_GROUP, 10, 70, 100, 20, 24);
    SendMessageA(r1, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);
    testsupport::ProcessEvents();
    parentLog.Clear();

    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    EXPECT_EQ(SendMessageA(r1, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(SendMessageA(r2, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(SendMessageA(r3, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED)) << "another group";
    EXPECT_EQ(Commands(), (std::vector<std::pair<int, int>>{{22, static_cast<int>(BN_CLICKED)}}));

    SendMessageA(r3, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(r2, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(SendMessageA(r3, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));

    HWND box = Child(WC_BUTTONA, "Box", BS_AUTOCHECKBOX | WS_GROUP, 10, 100, 100, 20, 25);
    testsupport::ProcessEvents();
    parentLog.Clear();
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 110));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    QTest::keyClick(WidgetOfWindow(box), Qt::Key_Space);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(SendMessageA(r3, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED)) << "no radio button";
    EXPECT_EQ(Commands(), (std::vector<std::pair<int, int>>(2, {25, static_cast<int>(BN_CLICKED)})));
}

WNDPROC g_ownerPrevious = nullptr;
std::vector<int> g_listRowsAsked;
// The notifications but LVN_GETDISPINFO: code, and the row (the column of
// LVN_COLUMNCLICK); the row is 0 for a tab control.
std::vector<std::pair<int, int>> g_notes;

// The owner of a list view (row r, column c reads "r<r>c<c>") or of a tab
// control.
LRESULT ControlOwner(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY) {
        const auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (hdr->code == LVN_GETDISPINFO) {
            auto* info = reinterpret_cast<NMLVDISPINFO*>(lParam);
            g_listRowsAsked.push_back(info->item.iItem);
            std::snprintf(info->item.pszText, static_cast<size_t>(info->item.cchTextMax), "r%dc%d",
                          info->item.iItem, info->item.iSubItem);
            return 0;
        }
        const auto* nm = reinterpret_cast<const NMLISTVIEW*>(lParam);
        g_notes.emplace_back(static_cast<int>(hdr->code),
                             hdr->code == TCN_SELCHANGE         ? 0
                                 : hdr->code == LVN_COLUMNCLICK ? nm->iSubItem
                                                                : nm->iItem);
    }
    return CallWindowProcA(g_ownerPrevious, hwnd, msg, wParam, lParam);
}

TEST_F(StandardControlsTest, ListViewShowsOwnerRowsAndReportsSelectionHeaderClicksAndDoubleClicks)
{
    g_ownerPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(top, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlOwner)));
    HWND list = Child(WC_LISTVIEWA, "", LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | WS_VSCROLL, 10, 10, 300,
                      200, 30);
    for (const char* name : {"Count", "Type"}) {
        LVCOLUMN column;
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = const_cast<char*>(name);
        column.cx = 100;
        column.fmt = name[0] == 'C' ? LVCFMT_RIGHT : LVCFMT_LEFT;
        // Each goes in front: Type, then Count.
        SendMessageA(list, LVM_INSERTCOLUMN, 0, reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(list, LVM_SETITEMCOUNT, 1000, 0);
    g_listRowsAsked.clear();
    testsupport::ProcessEvents();
    g_notes.clear();
    const int page = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(page, 3);
    // Only the rows on the screen are asked for, two columns each.
    EXPECT_FALSE(g_listRowsAsked.empty());
    EXPECT_LE(*std::max_element(g_listRowsAsked.begin(), g_listRowsAsked.end()), page);

    auto notifications = [] { return g_notes; };
    auto rowPoint = [&](int row) {
        RECT rect{};
        EXPECT_TRUE(
            SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)));
        return QPoint(10 + 50, 10 + (rect.top + rect.bottom) / 2);
    };
    const int changed = static_cast<int>(LVN_ITEMCHANGED);
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, rowPoint(2));
    EXPECT_EQ(GetFocus(), list);
    QTest::keyClick(WidgetOfWindow(list), Qt::Key_Down);
    EXPECT_EQ(notifications(), (std::vector<std::pair<int, int>>{{changed, 2}, {changed, 2}, {changed, 3}}));
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 3);

    // The selected row in the highlight colour, its texts on it.
    testsupport::ProcessEvents();
    RECT rect{};
    SendMessageA(list, LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&rect));
    const QImage image = testsupport::GrabClient(list);
    const auto colour = [](int sysColor) {
        return [rgb = QColorOf(GetSysColor(sysColor)).rgb()](QRgb p) { return p == rgb; };
    };
    const QRect row(0, rect.top + 1, 200, rect.bottom - rect.top - 2);
    EXPECT_GT(testsupport::CountPixels(image, colour(COLOR_HIGHLIGHT), row), 100);
    EXPECT_GT(testsupport::CountPixels(image, colour(COLOR_HIGHLIGHTTEXT), row), 10) << "r3c0 and r3c1";
    EXPECT_GT(testsupport::CountPixels(image, colour(COLOR_WINDOWTEXT),
                                       QRect(0, rect.bottom + 1, 200, image.height())),
              50)
        << "the rows below";

    g_notes.clear();
    QTest::keyClick(WidgetOfWindow(list), Qt::Key_End);
    EXPECT_EQ(SendMessageA(list, LVM_GETTOPINDEX, 0, 0), 1000 - page);
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(10 + 150, 15));
    QTest::mouseDClick(Window(), Qt::LeftButton, Qt::NoModifier, rowPoint(1000 - page + 1));
    EXPECT_EQ(notifications(),
              (std::vector<std::pair<int, int>>{{changed, 3},
                                                {changed, 999},
                                                {static_cast<int>(LVN_COLUMNCLICK), 1},
                                                {changed, 999},
                                                {changed, 1000 - page + 1},
                                                {static_cast<int>(NM_DBLCLK), 1000 - page + 1}}));
    SendMessageA(list, LVM_SETITEMCOUNT, 5, 0);
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);
    EXPECT_EQ(SendMessageA(list, LVM_GETTOPINDEX, 0, 0), 0);
}

TEST_F(StandardControlsTest, TabControlChangesPagesByMouseAndArrowKeys)
{
    HWND tabs = Child(WC_TABCONTROLA, "", WS_TABSTOP, 10, 10, 300, 200, 40);
    HWND onPage = Child(WC_BUTTONA, "On the page", BS_PUSHBUTTON, 30, 60, 100, 24, 41);
    for (const char* name : {"Types", "Problems"}) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(name);
        SendMessageA(tabs, TCM_INSERTITEM, static_cast<WPARAM>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)),
                     reinterpret_cast<LPARAM>(&item));
    }
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    testsupport::ProcessEvents();
    g_ownerPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(top, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlOwner)));
    g_notes.clear();
    RECT second{};
    ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)));
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(10 + (second.left + second.right) / 2, 10 + (second.top + second.bottom) / 2));
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(GetFocus(), tabs);
    QTest::keyClick(WidgetOfWindow(tabs), Qt::Key_Right); // no third tab
    QTest::keyClick(WidgetOfWindow(tabs), Qt::Key_Left);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    SendMessageA(tabs, TCM_SETCURSEL, 1, 0); // by the owner: no notification
    EXPECT_EQ(g_notes, (std::vector<std::pair<int, int>>(2, {static_cast<int>(TCN_SELCHANGE), 0})));
    // The page's controls lie over the control and take the clicks there.
    parentLog.Clear();
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 70));
    EXPECT_EQ(Commands(), (std::vector<std::pair<int, int>>{{41, static_cast<int>(BN_CLICKED)}}));
    EXPECT_EQ(GetFocus(), onPage);
}

TEST_F(StandardControlsTest, PushButtonClicksByMouseAndSpaceButNotWhenReleasedOutside)
{
    HWND button = Child(WC_BUTTONA, "OK", BS_DEFPUSHBUTTON, 10, 10, 80, 24, IDOK);
    testsupport::ProcessEvents();
    parentLog.Clear();
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    EXPECT_EQ(Commands(), (std::vector<std::pair<int, int>>{{IDOK, static_cast<int>(BN_CLICKED)}}));
    EXPECT_EQ(GetFocus(), button);

    parentLog.Clear();
    QTest::keyClick(WidgetOfWindow(button), Qt::Key_Space);
    EXPECT_EQ(Commands().size(), 1u);

    parentLog.Clear();
    // Pressed on the button, released elsewhere: no click. The release
    // reaches the button through its capture.
    QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

TEST_F(StandardControlsTest, TooltipShowsTheTextOfTheToolUnderTheMouse)
{
    HWND target = Child(WC_STATICA, "", 0, 10, 10, 100, 50, 4);
    HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, "", WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, top, 0, nullptr,
                               nullptr);
    ASSERT_NE(tip, nullptr);
    char text[] = "http://example.invalid/";
    TOOLINFOA info;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = target;
    info.uId = 1;
    info.rect = RECT{0, 0, 100, 50};
    info.lpszText = text;
    EXPECT_TRUE(SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
    HWND focus = GetFocus();
    QTest::mouseMove(Window(), QPoint(30, 30));
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) != FALSE; }, 5000));
    EXPECT_EQ(GetWindowTextString(tip), "http://example.invalid/");
    EXPECT_EQ(GetFocus(), focus) << "a tip never takes the focus";
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_FALSE(IsWindowVisible(tip));
}

} // namespace
