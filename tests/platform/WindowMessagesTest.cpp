// Message semantics of windows: post versus the pump, pre-translation and
// consumption, bad handles, failed creation and destruction order, window
// text. (Subclassing with pass-on is what the edit and link label tests do;
// the creation hook, data slots, properties and the hierarchy are what the
// framework and the tree control stand on, whose tests catch them broken.)
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Seen {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
};

std::vector<Seen> g_seen;

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    g_seen.push_back(Seen{hwnd, msg, wParam});
    if (msg == WM_USER + 1)
        return 42;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateRecordingTop()
{
    return CreateWindowExA(0, testsupport::TestWindowClass("PlatformTestRecording", RecordingProc), "top",
                           WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, nullptr, 0, nullptr, nullptr);
}

HWND CreateRecordingChild(HWND parent, int id)
{
    return testsupport::CreateChild(testsupport::TestWindowClass("PlatformTestRecording", RecordingProc),
                                    parent, id, 5, 5, 50, 40);
}

std::vector<UINT> MessagesOf(HWND hwnd, std::initializer_list<UINT> wanted)
{
    std::vector<UINT> out;
    for (const Seen& s : g_seen) {
        if (s.hwnd == hwnd && std::find(wanted.begin(), wanted.end(), s.message) != wanted.end())
            out.push_back(s.message);
    }
    return out;
}

class WindowMessagesTest : public ::testing::Test {
protected:
    void SetUp() override { g_seen.clear(); }
    void TearDown() override
    {
        SetMessageFilter(nullptr);
        testsupport::ProcessEvents();
    }
};

TEST_F(WindowMessagesTest, PostQueuesUntilThePumpRunsAndPassesTheFilterFirst)
{
    HWND hwnd = CreateRecordingTop();
    std::vector<UINT> filtered;
    SetMessageFilter([&](MSG& msg) {
        if (msg.hwnd == hwnd)
            filtered.push_back(msg.message);
        return msg.message == WM_USER + 2; // consumed
    });
    g_seen.clear();
    EXPECT_TRUE(PostMessageA(hwnd, WM_USER + 3, 1, 0));
    EXPECT_TRUE(PostMessageA(hwnd, WM_USER + 2, 2, 0));
    EXPECT_TRUE(MessagesOf(hwnd, {WM_USER + 2, WM_USER + 3}).empty())
        << "posting must not call the procedure";
    testsupport::ProcessEvents();
    EXPECT_EQ(filtered, (std::vector<UINT>{WM_USER + 3, WM_USER + 2}));
    EXPECT_EQ(MessagesOf(hwnd, {WM_USER + 2, WM_USER + 3}), (std::vector<UINT>{WM_USER + 3}))
        << "the consumed message must not reach the window";
    DestroyWindow(hwnd);
}

TEST_F(WindowMessagesTest, BadHandlesFailQuietly)
{
    HWND hwnd = CreateRecordingTop();
    DestroyWindow(hwnd);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(PostMessageA(hwnd, WM_USER, 0, 0));
    EXPECT_EQ(SendMessageA(hwnd, WM_USER + 1, 0, 0), 0);
    EXPECT_EQ(SendMessageA(nullptr, WM_USER + 1, 0, 0), 0);
    EXPECT_FALSE(DestroyWindow(hwnd));
    EXPECT_EQ(GetWindowLongPtrA(nullptr, GWL_STYLE), 0);
    RECT rc{1, 2, 3, 4};
    EXPECT_FALSE(GetClientRect(hwnd, &rc));
    EXPECT_FALSE(InvalidateRect(hwnd, nullptr, TRUE));
    EXPECT_EQ(GetParent(hwnd), nullptr);
    EXPECT_EQ(SetFocus(hwnd), nullptr);
    EXPECT_EQ(SetCapture(hwnd), nullptr);
}

class WindowLifeTest : public ::testing::Test {
protected:
    void SetUp() override { g_seen.clear(); }
    void TearDown() override { testsupport::ProcessEvents(); }
};

LRESULT FailingCreateProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CREATE)
        return -1;
    g_seen.push_back(Seen{hwnd, msg, wParam});
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(WindowLifeTest, CreateAnsweredWithMinusOneDestroysTheWindow)
{
    WNDCLASSA wc;
    wc.lpfnWndProc = FailingCreateProc;
    wc.lpszClassName = "PlatformTestFailingCreate";
    RegisterClassA(&wc);
    EXPECT_FALSE(RegisterClassA(&wc)) << "a class name is registered once";
    HWND hwnd = CreateWindowExA(0, "PlatformTestFailingCreate", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, 0,
                                nullptr, nullptr);
    EXPECT_EQ(hwnd, nullptr);
    ASSERT_FALSE(g_seen.empty());
    EXPECT_EQ(g_seen.back().message, WM_NCDESTROY);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, 0, nullptr, nullptr), nullptr);
}

TEST_F(WindowLifeTest, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst)
{
    HWND top = CreateRecordingTop();
    HWND child = CreateRecordingChild(top, 10);
    HWND grandchild = CreateRecordingChild(child, 11);
    g_seen.clear();
    EXPECT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> order;
    for (const Seen& s : g_seen) {
        if (s.message == WM_DESTROY || s.message == WM_NCDESTROY)
            order.emplace_back(s.hwnd, s.message);
    }
    const std::vector<std::pair<HWND, UINT>> expected = {{top, WM_DESTROY},        {child, WM_DESTROY},
                                                         {grandchild, WM_DESTROY}, {grandchild, WM_NCDESTROY},
                                                         {child, WM_NCDESTROY},    {top, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(grandchild));
}

TEST_F(WindowLifeTest, WindowTextGoesThroughTheProcedureAndCloseDestroys)
{
    HWND hwnd = CreateRecordingTop();
    EXPECT_EQ(GetWindowTextString(hwnd), "top");
    EXPECT_TRUE(SetWindowTextA(hwnd, "caf\xE9 \x80"));
    EXPECT_EQ(GetWindowTextLengthA(hwnd), 6);
    char small[4];
    EXPECT_EQ(GetWindowTextA(hwnd, small, sizeof small), 3);
    EXPECT_STREQ(small, "caf");
    EXPECT_EQ(GetWindowTextString(hwnd), "caf\xE9 \x80");

    HFONT font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(SendMessageA(hwnd, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));

    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
}

} // namespace
