// Message pre-translation stops at a top-level window: a dialog owned by the
// frame keeps its messages to itself. (The chain from the target up to the
// top-level window, and a true answer consuming the message, are what
// accelerators, dialog keys and the views' mouse handling stand on; their
// tests catch either broken.)
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

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_APP)
            g_log.push_back("pre " + m_name);
        return FALSE;
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

TEST(PreTranslation, StopsAtATopLevelWindowEvenWhenItHasAnOwner)
{
    CWinApp app{"Pre-translation test"};
    Layer frame{"frame", nullptr, WS_OVERLAPPEDWINDOW};
    // A popup owned by the frame (a dialog) keeps its messages to itself.
    Layer popup{"popup", &frame, WS_POPUP | WS_CAPTION};
    Layer field{"field", &popup, WS_CHILD | WS_VISIBLE};
    g_log.clear();
    PostMessageA(field.m_hWnd, WM_APP, 0, 0);
    PumpWaitingMessages();
    EXPECT_EQ(g_log, (std::vector<std::string>{"pre field", "pre popup", "proc field"}));
}

} // namespace
