// The application's idle processing: OnIdle gets the count of the idle
// period (input between the calls and the calling rules themselves are the
// platform's).
#include "framework/WinApp.h"
#include "platform/MessageLoop.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class IdleApp : public CWinApp {
public:
    IdleApp() : CWinApp("Idle test") { }

    BOOL OnIdle(long lCount) override
    {
        CWinApp::OnIdle(lCount);
        calls.push_back(lCount);
        return lCount < 2 ? TRUE : FALSE;
    }

    std::vector<long> calls;
};

TEST(IdleLoop, OnIdleCountsTheCallsOfAnIdlePeriodAndAMessageStartsOver)
{
    IdleApp app;
    ASSERT_TRUE(PumpUntil([&] { return app.calls.size() >= 3; }, 5000));
    EXPECT_EQ(app.calls, (std::vector<long>{0, 1, 2}));
    PostMessageA(nullptr, WM_USER, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return app.calls.size() >= 6; }, 5000));
    EXPECT_EQ(app.calls, (std::vector<long>{0, 1, 2, 0, 1, 2}));
}

} // namespace
