// The window at the device pixel ratio the test runs with (ctest runs these
// at 1, 1.25, 1.5, 1.75 and 2): every row of the upper tree shows its label,
// down to the bottom, where its item's rectangle says. Read in device
// pixels. (That scrolling leaves what a fresh paint gives is compared end to
// end, on the X server at those ratios.)
#include "app/AppTest.h"

#include "framework/ToolBar.h"
#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QGuiApplication>
#include <QImage>

#include <cmath>

namespace {

class HighDpiTest : public AppTest {
protected:
    static double Ratio() { return qApp->devicePixelRatio(); }
};

TEST_F(HighDpiTest, EveryRowOfTheUpperTreeShowsItsLabelDownToTheBottom)
{
    Start({ExamplePath()});
    RunUntilIdle();
    const double s = Ratio();
    RECT client;
    GetClientRect(Upper(), &client);
    const QImage image = testsupport::RenderClient(Upper());
    ASSERT_NEAR(image.width(), client.right * s, 1.0) << "the image is in device pixels";
    const int rows = static_cast<int>(TreeView_GetVisibleCount(Upper()));
    ASSERT_GT(rows, 10);
    ASSERT_GT(TreeChildren(Upper()).size(), static_cast<size_t>(rows)) << "the rows reach the bottom";
    const QRgb background = QColorOf(GetSysColor(COLOR_WINDOW)).rgb();
    HTREEITEM item = TreeChildren(Upper()).front();
    for (int row = 0; row < rows; ++row) {
        RECT text;
        ASSERT_TRUE(TreeView_GetItemRect(Upper(), item, &text, TRUE));
        const int top = static_cast<int>(std::lround(text.top * s));
        const QRect ink = testsupport::PixelBox(
            image, [background](QRgb p) { return p != background; },
            QRect(0, top, image.width(), static_cast<int>(std::lround(text.bottom * s)) - top));
        ASSERT_FALSE(ink.isEmpty()) << "row " << row << " is blank";
        // The label is drawn where its rectangle says, up to the edge.
        const double end = std::min<LONG>(text.right, client.right) * s;
        EXPECT_LE(ink.right(), end) << "row " << row;
        EXPECT_GE(ink.right(), end - 8 * s) << "row " << row;
        item = TreeView_GetNextItem(Upper(), item, TVGN_NEXTVISIBLE);
    }
}

// The toolbar's images and the Info box's icon are pictures drawn in the
// screen's own pixels, not images of the classic size blown up: at ratio 2
// many of the 2 x 2 blocks that one classic pixel becomes are not of one
// colour (smooth edges, thin lines).
TEST_F(HighDpiTest, ImagesHaveTheDetailOfTheScreensPixels)
{
    if (Ratio() != 2)
        GTEST_SKIP() << "blocks of one classic pixel are 2 x 2 device pixels at ratio 2 only";
    Start();
    CToolBar& bar = Frame().GetToolBar();
    UpdateWindow(bar.m_hWnd);
    const QImage shown = GrabWindowImage(bar.m_hWnd);
    auto mixedBlocks = [](const QImage& image, QRect area) {
        int mixed = 0;
        for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
            for (int x = area.left(); x + 1 <= area.right(); x += 2) {
                const QRgb c = image.pixel(x, y);
                mixed += image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c
                    || image.pixel(x + 1, y + 1) != c;
            }
        return mixed;
    };
    for (int button : {0, 2}) {
        RECT rect;
        bar.GetItemRect(button, &rect);
        const QRect device(rect.left * 2, rect.top * 2, (rect.right - rect.left) * 2,
                           (rect.bottom - rect.top) * 2);
        EXPECT_GT(mixedBlocks(shown, device), 20) << "button " << button;
    }
}

} // namespace
