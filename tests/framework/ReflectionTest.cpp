// Reflection: a control's WM_CTLCOLORSTATIC comes back to the control's own
// message map before the parent answers it; a control that gives no brush
// leaves the colours to the parent. (Reflected clicks are what the link
// label's tests click, and the parent keeps the notifications of controls
// without reflected entries in the command routing, frame and File Summary
// tests.)
#include "framework/Controls.h"
#include "framework/Rect.h"
#include "framework/Wnd.h"
#include "platform/Gdi.h"

#include <gtest/gtest.h>

namespace {

class SelfColouringLabel : public CStatic {
public:
    HBRUSH brush = nullptr;

protected:
    HBRUSH CtlColor(HDC hdc, UINT)
    {
        SetTextColor(hdc, RGB(1, 2, 3));
        return brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfColouringLabel, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST(Reflection, TheControlAnswersItsColoursAndWithoutABrushTheParentDoes)
{
    CWnd parent;
    parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 0);
    HWND label = CreateWindowExA(0, WC_STATICA, "text", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0, 50, 20,
                                 parent.GetSafeHwnd(), 11, nullptr, nullptr);
    SelfColouringLabel control;
    ASSERT_TRUE(control.SubclassWindow(label));
    HBITMAP bitmap = CreateBitmap(4, 4);
    HDC hdc = CreateCompatibleDC(nullptr);
    SelectObject(hdc, bitmap);
    auto askColour = [&] {
        return SendMessageA(parent.GetSafeHwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc),
                            reinterpret_cast<LPARAM>(label));
    };
    HBRUSH solid = CreateSolidBrush(RGB(9, 9, 9));
    control.brush = solid;
    EXPECT_EQ(askColour(), reinterpret_cast<LRESULT>(solid));
    EXPECT_EQ(GetTextColor(hdc), RGB(1, 2, 3));
    control.brush = nullptr;
    EXPECT_EQ(askColour(), reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)))
        << "no brush from the control: the parent's default colours";
    DeleteDC(hdc);
    DeleteObject(bitmap);
    DeleteObject(solid);
}

} // namespace
