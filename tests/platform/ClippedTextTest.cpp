// Text output draws only the bytes that can reach the clip box, and gives
// exactly the pixels of Qt drawing the whole line: compared pixel for pixel
// with a reference rendering of the full string, for short and very long
// labels, every byte value, several fonts, positions and clip boxes, on
// bitmaps and on a window's update region.
#include "platform/Gdi.h"
#include "platform/Window.h"
#include "platform/internal/Cp1252.h"
#include "platform/qt/QtBridge.h"
#include "support/Canvas.h"
#include "support/TestSupport.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 400;
constexpr UINT kLabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
constexpr COLORREF kTextColor = RGB(20, 30, 140);

std::string OrdinaryLabel()
{
    return "#4711=IFCCARTESIANPOINT((1250.,-3400.5,0.)); /* Caf\xE9 \x80 \x93quoted\x94 */";
}

// A label of 700 bytes, far wider than any pane.
std::string LongLabel()
{
    std::string label = "#98=IFCRELCONTAINEDINSPATIALSTRUCTURE('3Ft$k9W8r0Kx',#42,$,$,(";
    for (int i = 0; label.size() < 700; ++i)
        label += "#" + std::to_string(1000 + 37 * i) + ",";
    return label + "),#97);";
}

// Every byte value twice (the tab aside, which has a label of its own):
// controls, the soft hyphen, bytes the face lacks.
std::string EveryByte()
{
    std::string label;
    for (int round = 0; round < 2; ++round) {
        for (int b = 0; b < 256; ++b) {
            if (b != '\t')
                label.push_back(static_cast<char>(b));
        }
    }
    return label;
}

// Tabs advance to stops counted from the start of the line.
std::string LabelWithTabs()
{
    return "a\tbc\tdef\t" + LongLabel();
}

HFONT MakeFont(int height, LONG weight, bool italic, bool underline)
{
    LOGFONTA lf;
    lf.lfHeight = -height;
    lf.lfWeight = weight;
    lf.lfItalic = italic ? 1 : 0;
    lf.lfUnderline = underline ? 1 : 0;
    std::strncpy(lf.lfFaceName, "DejaVu Sans", LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

HFONT GuiFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

TEXTMETRICA MetricsOf(HFONT font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    DeleteDC(dc);
    return tm;
}

QImage PixelsOf(const testsupport::Canvas& canvas)
{
    QImage image(canvas.width(), canvas.height(), QImage::Format_RGB32);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            image.setPixel(x, y, QColorOf(canvas.At(x, y)).rgb());
    return image;
}

// Where the two images differ first; empty when they are the same.
std::string FirstDifference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return "sizes differ";
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return "first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
    }
    return "";
}

bool HasInk(const QImage& image)
{
    return testsupport::CountPixels(image, [](QRgb p) { return p != qRgb(255, 255, 255); }) > 0;
}

// One label drawn on a fresh white bitmap of one row.
struct Case {
    const std::string* label;
    HFONT font;
    int left; // of the label's rectangle, 4 px wider than the text
    QRect clip; // empty: none beyond the bitmap
    bool extText; // ExtTextOutA at the text's place instead of DrawTextA
    int height; // of the bitmap and of DrawTextA's rectangle
};

QImage DrawnByPlatform(const Case& c)
{
    const testsupport::Canvas canvas(kWidth, c.height, RGB(255, 255, 255));
    HDC dc = canvas.dc();
    SelectObject(dc, c.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColor);
    if (!c.clip.isEmpty())
        IntersectClipRect(dc, c.clip.left(), c.clip.top(), c.clip.right() + 1, c.clip.bottom() + 1);
    const int count = static_cast<int>(c.label->size());
    if (c.extText) {
        ExtTextOutA(dc, c.left + 2, 2, 0, nullptr, c.label->data(), static_cast<UINT>(count), nullptr);
    } else {
        SIZE size;
        GetTextExtentPoint32A(dc, c.label->data(), count, &size);
        RECT rect{c.left, 0, c.left + size.cx + 4, c.height};
        DrawTextA(dc, c.label->data(), count, &rect, kLabelFormat);
    }
    return PixelsOf(canvas);
}

// The reference: Qt draws the whole string where the platform places it
// (centred in the row by DrawTextA, at y 2 by ExtTextOutA; both 2 px in).
QImage DrawnWhole(const Case& c)
{
    const TEXTMETRICA tm = MetricsOf(c.font);
    const int top = c.extText ? 2 : (c.height - tm.tmHeight) / 2;
    QImage image(kWidth, c.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!c.clip.isEmpty())
        painter.setClipRect(c.clip);
    painter.setFont(QFontOfFont(c.font));
    painter.setPen(QColorOf(kTextColor));
    painter.drawText(QPoint(c.left + 2, top + tm.tmAscent), TextFromBytes(*c.label));
    return image;
}

struct NamedFont {
    const char* name;
    HFONT font;
    bool owned;
};

class ClippedTextTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(QFontInfo(QFontOfFont(GuiFont())).family(), QString("DejaVu Sans")); }
    void TearDown() override
    {
        for (const NamedFont& f : fonts) {
            if (f.owned)
                DeleteObject(f.font);
        }
    }
    // Large glyphs are drawn from outlines, small ones from Qt's cache.
    std::vector<NamedFont> fonts{{"default GUI", GuiFont(), false},
                                 {"bold", MakeFont(12, FW_BOLD, false, false), true},
                                 {"italic", MakeFont(13, FW_NORMAL, true, false), true},
                                 {"underlined", MakeFont(12, FW_NORMAL, false, true), true},
                                 {"large", MakeFont(80, FW_NORMAL, false, false), true}};
};

TEST_F(ClippedTextTest, LabelsGiveThePixelsOfTheWholeStringInsideEveryClipBox)
{
    const std::string ordinary = OrdinaryLabel();
    const std::string longLabel = LongLabel();
    const std::string everyByte = EveryByte();
    const std::string tabs = LabelWithTabs();
    const std::vector<std::pair<const char*, const std::string*>> labels = {
        {"ordinary", &ordinary}, {"long", &longLabel}, {"every byte", &everyByte}, {"tabs", &tabs}};
    for (const NamedFont& font : fonts) {
        const int height = MetricsOf(font.font).tmHeight + 4;
        // The whole bitmap; a stripe cutting glyphs at both sides; a band
        // cutting the row across.
        const std::vector<std::pair<const char*, QRect>> clips = {
            {"none", QRect()},
            {"stripe", QRect(151, 0, 77, height)},
            {"band", QRect(0, height / 2 - 2, kWidth, 5)}};
        for (const auto& [labelName, label] : labels) {
            // From the first level's indent, and from far left of the
            // bitmap, where what shows lies deep inside the label.
            for (int left : {19, -1503}) {
                for (const auto& [clipName, clip] : clips) {
                    for (bool extText : {false, true}) {
                        const Case c{label, font.font, left, clip, extText, height};
                        const QImage expected = DrawnWhole(c);
                        const std::string where = std::string(font.name) + " font, " + labelName
                            + " label from x " + std::to_string(left) + ", clip " + clipName
                            + (extText ? ", ExtTextOutA" : ", DrawTextA");
                        if (left > 0 || label != &ordinary) {
                            ASSERT_TRUE(HasInk(expected)) << "the text crosses the clip box: " << where;
                        }
                        EXPECT_EQ(FirstDifference(DrawnByPlatform(c), expected), "") << where;
                    }
                }
            }
        }
    }
}

// A window that paints a long label and a focus frame, both reaching far
// beyond its client area: by the platform, or for the reference by Qt on
// the context's own painter (the whole string; each even frame pixel
// inverted one by one).
bool g_reference = false;
COLORREF g_color = RGB(200, 0, 0);
const std::string* g_label = nullptr;
constexpr RECT kFrame{-997, 30, 5003, 47};

void InvertEvenFramePixels(QPainter& painter, const QRect& client)
{
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (int x = kFrame.left; x < kFrame.right; ++x) {
        for (int y = kFrame.top; y < kFrame.bottom; ++y) {
            const bool onFrame =
                x == kFrame.left || x == kFrame.right - 1 || y == kFrame.top || y == kFrame.bottom - 1;
            if (onFrame && (x + y) % 2 == 0 && client.contains(x, y))
                painter.fillRect(QRect(x, y, 1, 1), Qt::white);
        }
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

LRESULT LabelPaintProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_PAINT)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, g_color);
    const int count = static_cast<int>(g_label->size());
    SIZE size;
    GetTextExtentPoint32A(hdc, g_label->data(), count, &size);
    const RECT rect{-2203, 4, -2203 + size.cx + 4, 20};
    if (g_reference) {
        const TEXTMETRICA tm = MetricsOf(GuiFont());
        QPainter& painter = *PainterOfDC(hdc);
        painter.setFont(QFontOfFont(GuiFont()));
        painter.setPen(QColorOf(g_color));
        painter.drawText(QPoint(rect.left + 2, rect.top + (16 - tm.tmHeight) / 2 + tm.tmAscent),
                         TextFromBytes(*g_label));
        InvertEvenFramePixels(painter, QRect(0, 0, client.right, client.bottom));
    } else {
        RECT label = rect;
        DrawTextA(hdc, g_label->data(), count, &label, kLabelFormat);
        DrawFocusRect(hdc, &kFrame);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

// Paints the whole client with red text, then a region of two rectangles
// with blue text; returns what the window shows.
QImage PaintedThenRepainted(HWND hwnd, bool reference)
{
    g_reference = reference;
    g_color = RGB(200, 0, 0);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    g_color = RGB(0, 0, 200);
    const RECT first{40, 0, 63, 60};
    const RECT second{150, 8, 181, 35};
    InvalidateRect(hwnd, &first, FALSE);
    InvalidateRect(hwnd, &second, FALSE);
    UpdateWindow(hwnd);
    testsupport::ProcessEvents();
    return testsupport::GrabClient(hwnd);
}

TEST_F(ClippedTextTest, RepaintOfAnUpdateRegionOnATranslatedPainterGivesTheReferencePixels)
{
    const std::string label = LongLabel() + LongLabel();
    g_label = &label;
    HWND top = testsupport::CreateShownTopWindow(320, 100);
    // Border and client edge: the context's painter is translated.
    HWND child = CreateWindowExA(
        WS_EX_CLIENTEDGE, testsupport::TestWindowClass("ClippedTextTestLabel", LabelPaintProc), "",
        WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 5, 300, 66, top, static_cast<HMENU>(1), nullptr, nullptr);
    testsupport::ProcessEvents();

    const QImage expected = PaintedThenRepainted(child, true);
    const QImage actual = PaintedThenRepainted(child, false);
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(FirstDifference(actual, expected), "");
    using testsupport::CountPixels;
    EXPECT_GT(CountPixels(expected, [](QRgb p) { return qRed(p) > 150 && qBlue(p) < 100; }), 0)
        << "outside the region the first painting stays";
    EXPECT_GT(CountPixels(expected, [](QRgb p) { return qBlue(p) > 150 && qRed(p) < 100; }), 0)
        << "inside it the label is drawn again";
    EXPECT_GT(CountPixels(expected, [](QRgb p) { return p == qRgb(0, 0, 0); }), 0) << "the frame shows";
    DestroyWindow(top);
    g_label = nullptr;
}

} // namespace
