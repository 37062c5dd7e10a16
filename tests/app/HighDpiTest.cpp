// The window at the device pixel ratio the test runs with (ctest runs these
// at 1, 1.5 and 2): every row of the upper tree shows its label, down to the
// bottom, where its item's rectangle says. Read in device pixels.
#include "app/AppTest.h"

#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/qt/QtBridge.h"
#include "res/Resource.h"

#include <QGuiApplication>
#include <QImage>
#include <QWidget>

#include <cmath>

namespace {

class HighDpiTest : public AppTest {
protected:
    static double Ratio() { return qApp->devicePixelRatio(); }

    // The span of pixels in a band of rows (device pixels) that differ from
    // the background; {-1, -1} when there are none.
    static std::pair<int, int> Ink(const QImage& image, int top, int bottom, QRgb background)
    {
        std::pair<int, int> span{-1, -1};
        for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != background) {
                    span.first = span.first < 0 ? x : std::min(span.first, x);
                    span.second = std::max(span.second, x);
                }
        return span;
    }
};

TEST_F(HighDpiTest, EveryRowOfTheUpperTreeShowsItsLabelDownToTheBottom)
{
    Start({ExamplePath()});
    RunUntilIdle();
    const double s = Ratio();
    RECT client;
    GetClientRect(Upper(), &client);
    // Rendered as --screenshot renders: every widget paints through the
    // event bridge at the ratio, into device pixels.
    const QImage image = WidgetOfWindow(Upper())
                             ->grab(QRect(0, 0, client.right, client.bottom))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    ASSERT_NEAR(image.width(), client.right * s, 1.0) << "the image is in device pixels";
    const int rows = static_cast<int>(SendMessageA(Upper(), TVM_GETVISIBLECOUNT, 0, 0));
    ASSERT_GT(rows, 10);
    ASSERT_GT(TreeChildren(Upper()).size(), static_cast<size_t>(rows)) << "the rows reach the bottom";
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const QRgb background = qRgb(GetRValue(window), GetGValue(window), GetBValue(window));
    HTREEITEM item = TreeChildren(Upper()).front();
    for (int row = 0; row < rows; ++row) {
        RECT text;
        *reinterpret_cast<HTREEITEM*>(&text) = item;
        ASSERT_TRUE(SendMessageA(Upper(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text)));
        const auto [left, right] = Ink(image, static_cast<int>(std::lround(text.top * s)),
                                       static_cast<int>(std::lround(text.bottom * s)), background);
        ASSERT_GE(left, 0) << "row " << row << " is blank";
        // The label is drawn where its rectangle says, up to the edge.
        const double end = std::min<LONG>(text.right, client.right) * s;
        EXPECT_LE(right, end) << "row " << row;
        EXPECT_GE(right, end - 8 * s) << "row " << row;
        item = reinterpret_cast<HTREEITEM>(
            SendMessageA(Upper(), TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)));
    }
}

} // namespace
