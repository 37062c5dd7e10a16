// A static control of style SS_BITMAP shows the bitmap it is given at its
// top left, on the parent's background.
#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(StaticImage, ABitmapStaticShowsItsBitmap)
{
    HWND top = testsupport::CreateShownTopWindow(100, 60);
    ASSERT_NE(top, nullptr);
    HWND image = CreateWindowExA(0, WC_STATICA, "", WS_CHILD | WS_VISIBLE | SS_BITMAP, 10, 10, 20, 20, top, 1,
                                 nullptr, nullptr);
    HBITMAP red = CreateBitmap(4, 3);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, red);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            SetPixelV(dc, x, y, RGB(255, 0, 0));
    SelectObject(dc, old);
    DeleteDC(dc);

    EXPECT_EQ(SendMessageA(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(red)), 0);
    EXPECT_EQ(SendMessageA(image, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(red));
    testsupport::ProcessEvents();
    const QImage shown = testsupport::GrabClient(image);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(shown.pixel(3, 2) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(shown.pixel(4, 2) & 0xFFFFFF,
              qRgb(GetRValue(face), GetGValue(face), GetBValue(face)) & 0xFFFFFFu);
    EXPECT_EQ(SendMessageA(image, STM_SETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(red))
        << "the previous bitmap comes back to its owner";

    DestroyWindow(top);
    DeleteObject(red);
}

} // namespace
