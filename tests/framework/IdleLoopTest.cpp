// The application's idle processing: input handled between idle calls while
// idle work goes on (the calling rules themselves are the platform's).
#include "framework/Rect.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class IdleApp : public CWinApp {
public:
    IdleApp() : CWinApp("Idle test") { }

    BOOL OnIdle(long lCount) override
    {
        CWinApp::OnIdle(lCount);
        calls.push_back(lCount);
        return wantMore(lCount) ? TRUE : FALSE;
    }

    std::vector<long> calls;
    std::function<bool(long)> wantMore = [](long) { return false; };
};

// Records the keys and posted messages it gets, with the number of idle
// calls made before each.
class InputWindow : public CWnd {
public:
    explicit InputWindow(const IdleApp& app) : m_app(app)
    {
        CreateEx(0, nullptr, "idle", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 0);
    }

    std::vector<size_t> keysAt;
    std::vector<size_t> postsAt;

protected:
    void OnKeyDown(UINT, UINT, UINT) override { keysAt.push_back(m_app.calls.size()); }
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == WM_APP)
            postsAt.push_back(m_app.calls.size());
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    }

private:
    const IdleApp& m_app;
};

TEST(IdleLoop, InputIsHandledBetweenIdleCallsWhileWorkRemains)
{
    IdleApp app;
    InputWindow window(app);
    window.ShowWindow(SW_SHOW);
    PumpWaitingMessages();
    app.calls.clear();
    // Idle work that never finishes by itself; a key arrives during it.
    QWidget* widget = WidgetOfWindow(window.m_hWnd);
    app.wantMore = [&](long count) {
        if (app.calls.size() == 3)
            QCoreApplication::postEvent(widget,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
        return count < 1000;
    };
    PostMessageA(window.m_hWnd, WM_APP, 0, 0);

    ASSERT_TRUE(
        PumpUntil([&] { return !window.keysAt.empty() && app.calls.size() > window.keysAt[0] + 2; }, 5000));
    // The key came in after the third call, long before the work was done,
    // and the next idle period began at 0.
    const size_t at = window.keysAt[0];
    EXPECT_GE(at, 3u);
    EXPECT_LT(at, 10u);
    EXPECT_EQ(app.calls[at], 0);
    EXPECT_EQ(app.calls[at + 1], 1);
    app.wantMore = [](long) { return false; };
}

} // namespace
