// Message pre-translation: the target window first, then each parent up to
// the top-level window; a true answer consumes the message.
#include "framework/Rect.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "platform/MessageLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

class Layer : public CWnd {
public:
    Layer(std::string name, CWnd* parent, DWORD style) : m_name(std::move(name))
    {
        CreateEx(0, nullptr, m_name.c_str(), style, CRect(0, 0, 100, 100), parent, 1);
    }

    bool consume = false;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_APP)
            g_log.push_back("pre " + m_name);
        return consume;
    }

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == WM_APP)
            g_log.push_back("proc " + m_name);
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    }

private:
    std::string m_name;
};

class PreTranslation : public ::testing::Test {
protected:
    std::vector<std::string> Deliver(HWND target)
    {
        g_log.clear();
        PostMessageA(target, WM_APP, 0, 0);
        PumpWaitingMessages();
        return g_log;
    }

    CWinApp app{"Pre-translation test"};
    Layer frame{"frame", nullptr, WS_OVERLAPPEDWINDOW};
    Layer pane{"pane", &frame, WS_CHILD | WS_VISIBLE};
    Layer control{"control", &pane, WS_CHILD | WS_VISIBLE};
};

TEST_F(PreTranslation, RunsFromTheTargetUpToTheTopLevelWindowBeforeDispatch)
{
    EXPECT_EQ(Deliver(control.m_hWnd),
              (std::vector<std::string>{"pre control", "pre pane", "pre frame", "proc control"}));
    EXPECT_EQ(Deliver(pane.m_hWnd), (std::vector<std::string>{"pre pane", "pre frame", "proc pane"}));
    g_log.clear();
    control.SendMessage(WM_APP);
    EXPECT_EQ(g_log, (std::vector<std::string>{"proc control"})) << "sent messages are not pre-translated";
}

TEST_F(PreTranslation, ATrueAnswerConsumesTheMessage)
{
    pane.consume = true;
    EXPECT_EQ(Deliver(control.m_hWnd), (std::vector<std::string>{"pre control", "pre pane"}));
    control.consume = true;
    EXPECT_EQ(Deliver(control.m_hWnd), (std::vector<std::string>{"pre control"}));
}

TEST_F(PreTranslation, StopsAtATopLevelWindowEvenWhenItHasAnOwner)
{
    // A popup owned by the frame (a dialog) keeps its messages to itself.
    Layer popup{"popup", &frame, WS_POPUP | WS_CAPTION};
    Layer field{"field", &popup, WS_CHILD | WS_VISIBLE};
    EXPECT_EQ(Deliver(field.m_hWnd), (std::vector<std::string>{"pre field", "pre popup", "proc field"}));
}

} // namespace
