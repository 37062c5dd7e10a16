// CWnd: the object is attached before the window's creation messages,
// subclassing passes unhandled messages on to the replaced procedure, and
// the object lets go of the window when it is destroyed.
#include "framework/Wnd.h"
#include "framework/Rect.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

class CreationWnd : public CWnd {
public:
    bool failCreate = false;
    bool sawObjectInCreate = false;
    static inline int deleted = 0;

protected:
    int OnCreate(CREATESTRUCTA* cs) override
    {
        sawObjectInCreate = FromHandlePermanent(m_hWnd) == this;
        g_log.push_back(std::string("create ") + (cs->lpszName ? cs->lpszName : ""));
        return failCreate ? -1 : CWnd::OnCreate(cs);
    }
    void OnDestroy() override
    {
        g_log.push_back("destroy");
        CWnd::OnDestroy();
    }
    void PostNcDestroy() override { ++deleted; }
};

TEST(Wnd, TheObjectSeesItsOwnCreationAndLetsGoOnDestruction)
{
    g_log.clear();
    CreationWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "first", WS_OVERLAPPEDWINDOW, CRect(0, 0, 50, 50), nullptr, 0));
    EXPECT_TRUE(wnd.sawObjectInCreate);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    HWND hwnd = wnd.m_hWnd;
    const int deletedBefore = CreationWnd::deleted;
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(CreationWnd::deleted, deletedBefore + 1);
    EXPECT_EQ(g_log, (std::vector<std::string>{"create first", "destroy"}));
}

TEST(Wnd, AFailedCreateLeavesNoWindowAndNoHookBehind)
{
    CreationWnd failing;
    failing.failCreate = true;
    EXPECT_FALSE(failing.CreateEx(0, nullptr, "fails", WS_OVERLAPPEDWINDOW, CRect(0, 0, 50, 50), nullptr, 0));
    EXPECT_EQ(failing.m_hWnd, nullptr);

    CreationWnd unknown;
    EXPECT_FALSE(
        unknown.CreateEx(0, "NoSuchClass", "none", WS_OVERLAPPEDWINDOW, CRect(0, 0, 50, 50), nullptr, 0));
    // The next window anybody makes is not taken for the failed object.
    HWND plain = CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    EXPECT_EQ(unknown.m_hWnd, nullptr);
    ::DestroyWindow(plain);
}

// Handles one message itself and leaves the rest to the control.
class TextSpy : public CWnd {
public:
    int setTexts = 0;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == WM_SETTEXT)
            ++setTexts;
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    }
    void PreSubclassWindow() override { g_log.push_back("pre-subclass " + GetWindowText()); }
};

TEST(Wnd, SubclassingAnExistingControlPassesMessagesOnAndCanBeUndone)
{
    g_log.clear();
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100), nullptr, 0));
    HWND label = CreateWindowExA(0, "STATIC", "old", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent.m_hWnd, 3,
                                 nullptr, nullptr);
    TextSpy spy;
    ASSERT_TRUE(spy.SubclassDlgItem(3, &parent));
    EXPECT_EQ(g_log, (std::vector<std::string>{"pre-subclass old"}));
    EXPECT_FALSE(TextSpy().SubclassWindow(label)) << "one object per window";

    SetWindowTextA(label, "new");
    EXPECT_EQ(spy.setTexts, 1);
    EXPECT_EQ(GetWindowTextString(label), "new") << "the control's own procedure kept the text";

    EXPECT_EQ(spy.UnsubclassWindow(), label);
    EXPECT_EQ(CWnd::FromHandlePermanent(label), nullptr);
    SetWindowTextA(label, "later");
    EXPECT_EQ(spy.setTexts, 1);
    EXPECT_EQ(GetWindowTextString(label), "later");
}

} // namespace
