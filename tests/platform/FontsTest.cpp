// Fonts: the default GUI font resolves to DejaVu Sans, the test font has
// its fixed metrics, and the byte-advance table equals the drawn width.
#include "platform/Gdi.h"
#include "platform/TestHooks.h"
#include "platform/qt/QtBridge.h"
#include "support/Canvas.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <string>

namespace {

using testsupport::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);

// The rightmost column with a non-white pixel, -1 when blank.
int RightmostInk(const Canvas& canvas)
{
    for (int x = canvas.width() - 1; x >= 0; --x)
        for (int y = 0; y < canvas.height(); ++y)
            if (canvas.At(x, y) != kWhite)
                return x;
    return -1;
}

int Extent(HDC dc, const std::string& text)
{
    SIZE size;
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size));
    return size.cx;
}

TEST(FontsTest, DefaultGuiFontIsDejaVuSans)
{
    HFONT font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(QFontInfo(QFontOfFont(font)).family(), QStringLiteral("DejaVu Sans"));
    LOGFONTA lf;
    ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_STREQ(lf.lfFaceName, "DejaVu Sans");
    EXPECT_LT(lf.lfHeight, 0);
}

TEST(FontsTest, TestFontHasExactMetrics)
{
    HFONT font = CreateTestFont();
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_EQ(tm.tmHeight, kTestFontHeight);
    EXPECT_EQ(tm.tmAscent, 10);
    EXPECT_EQ(tm.tmDescent, 3);
    std::string every;
    for (int b = 1; b < 256; ++b)
        every.push_back(static_cast<char>(b));
    EXPECT_EQ(Extent(dc, every), 255 * kTestFontCharWidth);
    SIZE size;
    GetTextExtentPoint32A(dc, "", 0, &size);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, kTestFontHeight);
    LOGFONTA lf;
    GetObjectA(font, sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, kTestFontFace);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
}

TEST(FontsTest, DrawTextPlacesAndMeasuresByTheTable)
{
    HFONT font = CreateTestFont();
    Canvas canvas(100, 40, kWhite);
    SelectObject(canvas.dc(), font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT calc{10, 5, 10, 5};
    EXPECT_EQ(DrawTextA(canvas.dc(), "abc", -1, &calc, DT_CALCRECT | DT_SINGLELINE), kTestFontHeight);
    EXPECT_EQ(calc.right, 10 + 3 * kTestFontCharWidth);
    EXPECT_EQ(calc.bottom, 5 + kTestFontHeight);
    EXPECT_EQ(RightmostInk(canvas), -1);

    // Centred in a rectangle four pixels wider than the text, as labels are:
    // nothing is drawn right of the text's own cells.
    RECT label{20, 0, 20 + 3 * kTestFontCharWidth + 4, 16};
    DrawTextA(canvas.dc(), "MMM", 3, &label,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    const int ink = RightmostInk(canvas);
    EXPECT_GE(ink, 22);
    EXPECT_LT(ink, 22 + 3 * kTestFontCharWidth);

    RECT two{0, 0, 100, 40};
    EXPECT_EQ(DrawTextA(canvas.dc(), "one\ntwo", -1, &two, DT_CALCRECT), 2 * kTestFontHeight);
    RECT prefix{0, 0, 100, 40};
    DrawTextA(canvas.dc(), "&Open && go", -1, &prefix, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(prefix.right, 9 * kTestFontCharWidth) << "'&O' shows as O, '&&' as one &";
    DeleteObject(font);
}

// A text wider than an int measures as wide as an int can say, never as a
// wrapped negative width (here with the limit lowered to 50 pixels).
TEST(FontsTest, WidthsSaturateInsteadOfOverflowing)
{
    HFONT font = CreateTestFont();
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextWidthLimitForTest(50);
    const int wide = Extent(dc, "abcdefghij");
    RECT rect{0, 0, 10, 10};
    DrawTextA(dc, "abcdefghij", 10, &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SetTextWidthLimitForTest(0);
    EXPECT_EQ(wide, 50);
    EXPECT_EQ(rect.right, 50);
    EXPECT_EQ(Extent(dc, "abcdefghij"), 10 * kTestFontCharWidth);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
}

} // namespace
