// Focus and capture messages, timers.
#include "platform/MessageLoop.h"
#include "platform/Window.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

using testsupport::MessageRecorder;

class FocusCaptureTimersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = testsupport::CreateShownTopWindow(200, 100);
        a = testsupport::CreateChild(testsupport::TestWindowClass("PlatformTestPlain"), top, 1, 0, 0, 50, 50);
        b = testsupport::CreateChild(testsupport::TestWindowClass("PlatformTestPlain"), top, 2, 0, 0, 50, 50);
        recorder.Watch(a);
        recorder.Watch(b);
    }
    void TearDown() override
    {
        SetFocus(nullptr);
        ReleaseCapture();
        DestroyWindow(top);
        testsupport::ProcessEvents();
    }

    HWND top = nullptr;
    HWND a = nullptr;
    HWND b = nullptr;
    MessageRecorder recorder;
};

TEST_F(FocusCaptureTimersTest, SetFocusTellsBothWindowsAndMovesQtFocus)
{
    EXPECT_EQ(SetFocus(a), nullptr);
    EXPECT_EQ(GetFocus(), a);
    recorder.Clear();
    EXPECT_EQ(SetFocus(b), a);
    ASSERT_EQ(recorder.Messages().size(), 2u);
    EXPECT_EQ(recorder.Messages()[0].hwnd, a);
    EXPECT_EQ(recorder.Messages()[0].message, WM_KILLFOCUS);
    EXPECT_EQ(recorder.Messages()[0].wParam, reinterpret_cast<WPARAM>(b));
    EXPECT_EQ(recorder.Messages()[1].hwnd, b);
    EXPECT_EQ(recorder.Messages()[1].message, WM_SETFOCUS);
    EXPECT_EQ(recorder.Messages()[1].wParam, reinterpret_cast<WPARAM>(a));
    EXPECT_EQ(QApplication::focusWidget(), WidgetOfWindow(b));
    testsupport::ProcessEvents();

    recorder.Clear();
    EXPECT_EQ(SetFocus(b), b) << "focus on the focus window changes nothing";
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST_F(FocusCaptureTimersTest, DestroyingTheFocusWindowLeavesNoFocus)
{
    SetFocus(a);
    DestroyWindow(a);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(recorder.Count(WM_SETFOCUS), 1) << "no other window gets the focus by itself";
}

TEST_F(FocusCaptureTimersTest, CaptureLossIsTold)
{
    EXPECT_EQ(SetCapture(a), nullptr);
    EXPECT_EQ(GetCapture(), a);
    recorder.Clear();
    EXPECT_EQ(SetCapture(b), a);
    ASSERT_EQ(recorder.Codes({WM_CAPTURECHANGED}).size(), 1u);
    EXPECT_EQ(recorder.Messages()[0].hwnd, a);
    EXPECT_EQ(recorder.Messages()[0].lParam, reinterpret_cast<LPARAM>(b));

    recorder.Clear();
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_EQ(recorder.Messages().size(), 1u);
    EXPECT_EQ(recorder.Messages()[0].hwnd, b);
    EXPECT_EQ(recorder.Messages()[0].message, WM_CAPTURECHANGED);
    EXPECT_EQ(recorder.Messages()[0].lParam, 0);

    recorder.Clear();
    ReleaseCapture();
    EXPECT_TRUE(recorder.Messages().empty()) << "nothing to lose";
}

TEST_F(FocusCaptureTimersTest, TimersRepeatUntilKilledAndGoThroughTheFilter)
{
    int filtered = 0;
    SetMessageFilter([&](MSG& msg) {
        if (msg.message == WM_TIMER && msg.hwnd == a)
            ++filtered;
        return false;
    });
    EXPECT_EQ(SetTimer(a, 7, 1, nullptr), 7u);
    EXPECT_TRUE(PumpUntil([&] { return recorder.Count(WM_TIMER) >= 3; }, 5000));
    EXPECT_EQ(recorder.Messages().back().wParam, 7u);
    EXPECT_GE(filtered, 3);
    EXPECT_TRUE(KillTimer(a, 7));
    EXPECT_FALSE(KillTimer(a, 7));
    recorder.Clear();
    SetTimer(b, 8, 1, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return recorder.Count(WM_TIMER) >= 2; }, 5000));
    for (const auto& m : recorder.Messages())
        EXPECT_EQ(m.hwnd, b) << "the killed timer must not fire";
    KillTimer(b, 8);
    SetMessageFilter(nullptr);
}

std::vector<UINT_PTR> g_procTimers;

void TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    g_procTimers.push_back(id);
}

TEST_F(FocusCaptureTimersTest, TimerProcedureIsCalledInsteadOfTheWindowAndDestroyStopsTimers)
{
    g_procTimers.clear();
    SetTimer(a, 3, 1, &TimerProc);
    EXPECT_TRUE(PumpUntil([&] { return !g_procTimers.empty(); }, 5000));
    EXPECT_EQ(g_procTimers.front(), 3u);
    EXPECT_EQ(recorder.Count(WM_TIMER), 0);
    DestroyWindow(a);
    g_procTimers.clear();
    SetTimer(b, 4, 1, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return recorder.Count(WM_TIMER) >= 3; }, 5000));
    EXPECT_TRUE(g_procTimers.empty());
    KillTimer(b, 4);
}

} // namespace
