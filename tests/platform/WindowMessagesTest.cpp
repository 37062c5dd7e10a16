// Message semantics of windows: send versus post, pre-translation and
// consumption, subclassing with pass-on, creation and destruction order.
#include "platform/MessageLoop.h"
#include "platform/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
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

const char* RecordingClass()
{
    static const bool registered = [] {
        WNDCLASSA wc;
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = "PlatformTestRecording";
        return RegisterClassA(&wc) != FALSE;
    }();
    return registered ? "PlatformTestRecording" : nullptr;
}

HWND CreateRecordingTop()
{
    return CreateWindowExA(0, RecordingClass(), "top", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, nullptr, 0,
                           nullptr, nullptr);
}

HWND CreateRecordingChild(HWND parent, int id)
{
    return CreateWindowExA(0, RecordingClass(), "child", WS_CHILD | WS_VISIBLE, 5, 5, 50, 40, parent,
                           static_cast<HMENU>(id), nullptr, nullptr);
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

TEST_F(WindowMessagesTest, SendCallsTheProcedureAtOnceAndReturnsItsResult)
{
    HWND hwnd = CreateRecordingTop();
    ASSERT_NE(hwnd, nullptr);
    g_seen.clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_USER + 1, 7, 0), 42);
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0].wParam, 7u);
    DestroyWindow(hwnd);
}

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
    EXPECT_TRUE(MessagesOf(hwnd, {WM_USER + 2, WM_USER + 3}).empty()) << "posting must not call the procedure";
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

} // namespace
