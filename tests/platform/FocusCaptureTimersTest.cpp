// Focus and capture messages, timers.
#include "platform/MessageLoop.h"
#include "platform/Window.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <tuple>
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

    // The messages the two windows got: window, message and the handle
    // that the message names (wParam for focus, lParam for capture).
    using Msg = std::tuple<HWND, UINT, LPARAM>;
    std::vector<Msg> Seen() const
    {
        std::vector<Msg> out;
        for (const auto& m : recorder.Messages())
            out.emplace_back(m.hwnd, m.message,
                             m.message == WM_CAPTURECHANGED ? m.lParam : static_cast<LPARAM>(m.wParam));
        return out;
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
    EXPECT_EQ(Seen(),
              (std::vector<Msg>{{a, WM_KILLFOCUS, reinterpret_cast<LPARAM>(b)},
                                {b, WM_SETFOCUS, reinterpret_cast<LPARAM>(a)}}));
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
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(
        Seen(),
        (std::vector<Msg>{{a, WM_CAPTURECHANGED, reinterpret_cast<LPARAM>(b)}, {b, WM_CAPTURECHANGED, 0}}));

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

} // namespace
