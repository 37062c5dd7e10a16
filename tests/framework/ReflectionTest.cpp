// Reflection: a control's own WM_COMMAND notifications and its
// WM_CTLCOLORSTATIC come back to the control's message map before the
// parent handles them; without such entries the parent handles them as usual.
#include "framework/Controls.h"
#include "framework/Rect.h"
#include "framework/Wnd.h"
#include "platform/Gdi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kLabel = 11;

std::vector<std::string> g_calls;

class Parent : public CWnd {
public:
    Parent() { CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 0); }

protected:
    void OnLabelClicked() { g_calls.push_back("parent clicked"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Parent, CWnd)
ON_CONTROL(STN_CLICKED, kLabel, &Parent::OnLabelClicked)
END_MESSAGE_MAP()

class SelfHandlingLabel : public CStatic {
public:
    HBRUSH brush = nullptr;

protected:
    void OnClicked() { g_calls.push_back("label clicked"); }
    HBRUSH CtlColor(HDC hdc, UINT nCtlColor)
    {
        g_calls.push_back("label colour " + std::to_string(nCtlColor));
        SetTextColor(hdc, RGB(1, 2, 3));
        return brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfHandlingLabel, CStatic)
ON_CONTROL_REFLECT(STN_CLICKED, &SelfHandlingLabel::OnClicked)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class Reflection : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear();
        label = CreateWindowExA(0, WC_STATICA, "text", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0, 50, 20,
                                parent.GetSafeHwnd(), kLabel, nullptr, nullptr);
    }
    void Click() { SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3)); }
    LRESULT AskColour(HDC hdc)
    {
        return SendMessageA(parent.GetSafeHwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc),
                            reinterpret_cast<LPARAM>(label));
    }

    Parent parent;
    HWND label = nullptr;
};

TEST_F(Reflection, TheControlHandlesItsOwnClickAndColours)
{
    SelfHandlingLabel control;
    ASSERT_TRUE(control.SubclassWindow(label));
    Click();
    EXPECT_EQ(g_calls, (std::vector<std::string>{"label clicked"})) << "the parent does not see it";

    HBITMAP bitmap = CreateBitmap(4, 4);
    HDC hdc = CreateCompatibleDC(nullptr);
    SelectObject(hdc, bitmap);
    HBRUSH solid = CreateSolidBrush(RGB(9, 9, 9));
    control.brush = solid;
    EXPECT_EQ(AskColour(hdc), reinterpret_cast<LRESULT>(solid));
    EXPECT_EQ(GetTextColor(hdc), RGB(1, 2, 3));

    control.brush = nullptr;
    const LRESULT fallback = AskColour(hdc);
    EXPECT_EQ(fallback, reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)))
        << "no brush from the control: the parent's default colours";
    EXPECT_EQ(g_calls.back(), "label colour " + std::to_string(CTLCOLOR_STATIC));
    DeleteDC(hdc);
    DeleteObject(bitmap);
    DeleteObject(solid);
}

TEST_F(Reflection, WithoutReflectedEntriesTheParentHandlesTheNotification)
{
    CStatic plain;
    ASSERT_TRUE(plain.SubclassWindow(label));
    Click();
    EXPECT_EQ(g_calls, (std::vector<std::string>{"parent clicked"}));
}

} // namespace
