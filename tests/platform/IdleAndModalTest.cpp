// Idle calling rules and modal loops.
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/Window.h"
#include "support/TestSupport.h"

#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

class IdleAndModalTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        SetIdleHandler(nullptr);
        testsupport::ProcessEvents();
    }
};

TEST_F(IdleAndModalTest, CountGrowsWhileTheHandlerWantsMoreAndAMessageStartsOver)
{
    std::vector<long> counts;
    SetIdleHandler([&](long count) {
        counts.push_back(count);
        return count < 2;
    });
    ASSERT_TRUE(PumpUntil([&] { return counts.size() >= 3; }, 5000));
    EXPECT_EQ(counts, (std::vector<long>{0, 1, 2}));

    // Qt's own events are no messages: a handler that said no stays quiet.
    int ticks = 0;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 5; }, 5000));
    EXPECT_EQ(counts.size(), 3u);

    PostMessageA(nullptr, WM_USER, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return counts.size() >= 4; }, 5000));
    EXPECT_EQ(counts[3], 0) << "a processed message starts a new idle period";
}

TEST_F(IdleAndModalTest, AWindowIsOnTheScreenOnceExposedAndPaintedWhichStartsAnIdlePeriod)
{
    HWND hwnd = testsupport::CreateShownTopWindow(50, 50);
    ShowWindow(hwnd, SW_HIDE);
    EXPECT_FALSE(IsWindowOnScreen(hwnd)) << "a hidden window is not on the screen";
    std::vector<long> counts;
    SetIdleHandler([&](long count) {
        counts.push_back(count);
        return false;
    });
    ASSERT_TRUE(PumpUntil([&] { return !counts.empty(); }, 5000));
    // Rendering into an image paints the window without a screen.
    ASSERT_TRUE(SaveWindowPng(hwnd, (testing::TempDir() + "/hidden.png").c_str()));
    EXPECT_FALSE(IsWindowOnScreen(hwnd));

    ShowWindow(hwnd, SW_SHOW);
    EXPECT_FALSE(IsWindowOnScreen(hwnd)) << "shown, but not yet exposed and painted";
    ASSERT_TRUE(PumpUntil([&] { return IsWindowOnScreen(hwnd) != FALSE; }, 5000));
    ASSERT_TRUE(PumpUntil([&] { return counts.size() >= 2; }, 5000))
        << "what waits for the window runs in the idle period that its paint starts";
    EXPECT_EQ(counts.back(), 0);
    DestroyWindow(hwnd);
}

TEST_F(IdleAndModalTest, MessagesArrivingDuringIdleWorkAreHandledBetweenCalls)
{
    HWND hwnd = testsupport::CreateShownTopWindow(50, 50);
    testsupport::MessageRecorder log;
    log.Watch(hwnd);
    std::vector<long> counts;
    int posted = 0;
    SetIdleHandler([&](long count) {
        counts.push_back(count);
        if (count == 3 && posted == 0) {
            PostMessageA(hwnd, WM_USER + 7, 0, 0);
            ++posted;
        }
        return counts.size() < 8;
    });
    ASSERT_TRUE(PumpUntil([&] { return counts.size() >= 8; }, 5000));
    EXPECT_EQ(log.Count(WM_USER + 7), 1);
    EXPECT_EQ((std::vector<long>(counts.begin(), counts.begin() + 5)), (std::vector<long>{0, 1, 2, 3, 0}));
    DestroyWindow(hwnd);
}

TEST_F(IdleAndModalTest, ModalLoopRunsIdleDisablesTheOwnerAndReturnsTheResultOrCancelled)
{
    HWND owner = testsupport::CreateShownTopWindow(100, 100);
    HWND modal = testsupport::CreateShownTopWindow(60, 40);
    bool ownerDisabledInside = false;
    SetIdleHandler([&](long count) {
        if (count == 2) {
            ownerDisabledInside = !IsWindowEnabled(owner);
            EndModalLoop(modal, 77);
        }
        return count < 2;
    });
    EXPECT_EQ(RunModalLoop(modal, owner), 77);
    EXPECT_TRUE(ownerDisabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner));

    // Ended before it ran: it returns at once.
    SetIdleHandler(nullptr);
    EndModalLoop(modal, 5);
    EXPECT_EQ(RunModalLoop(modal, owner), 5);

    // Destroying the modal window ends its loop as cancelled.
    SetIdleHandler([&](long count) {
        if (count == 1)
            DestroyWindow(modal);
        return count < 1;
    });
    EXPECT_EQ(RunModalLoop(modal, owner), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

} // namespace
