// Invalidation, immediate repaint with background erase, scrolling of the
// client content, and the user's actions on a scroll bar. (A bar that comes
// and goes with the range, changing the client area, is the tree control's
// layout tests.)
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/Window.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using testsupport::MessageRecorder;

COLORREF g_paintColor = RGB(255, 0, 0);
std::vector<UINT> g_scrollCodes;
std::vector<int> g_trackAtThumbTrack;

// Paints the whole client area in g_paintColor (only the update region
// reaches the screen) and records scroll messages.
LRESULT PaintProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        HBRUSH brush = CreateSolidBrush(g_paintColor);
        FillRect(hdc, &client, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_VSCROLL) {
        g_scrollCodes.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == SB_THUMBTRACK) {
            SCROLLINFO si;
            si.fMask = SIF_ALL;
            GetScrollInfo(hwnd, SB_VERT, &si);
            g_trackAtThumbTrack.push_back(si.nTrackPos);
            EXPECT_EQ(si.nPos, 0) << "the bar does not move by itself";
        }
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class PaintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_paintColor = RGB(0, 128, 0);
        g_scrollCodes.clear();
        g_trackAtThumbTrack.clear();
        top = testsupport::CreateShownTopWindow(300, 320);
        child = testsupport::CreateChild(testsupport::TestWindowClass("PlatformTestPaint", PaintProc), top, 1,
                                         10, 10, 100, 300);
        testsupport::ProcessEvents();
        recorder.Watch(child);
    }
    void TearDown() override
    {
        SetMessageFilter(nullptr);
        DestroyWindow(top);
        testsupport::ProcessEvents();
    }

    QRgb Pixel(int x, int y) { return testsupport::GrabClient(child).pixel(x, y) & 0xFFFFFF; }

    HWND top = nullptr;
    HWND child = nullptr;
    MessageRecorder recorder;
};

TEST_F(PaintingTest, UpdateWindowPaintsAtOnceOnlyWhereInvalid)
{
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE)) << "shown, painted and validated";
    EXPECT_EQ(Pixel(50, 50), 0x008000u);
    RECT r{10, 20, 30, 40};
    EXPECT_TRUE(InvalidateRect(child, &r, FALSE));
    RECT update;
    ASSERT_TRUE(GetUpdateRect(child, &update, FALSE));
    EXPECT_EQ(update.left, 10);
    EXPECT_EQ(update.bottom, 40);

    g_paintColor = RGB(255, 0, 0);
    EXPECT_TRUE(UpdateWindow(child));
    EXPECT_EQ(recorder.Codes({WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT}));
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
    EXPECT_EQ(Pixel(10, 20), 0xFF0000u);
    EXPECT_EQ(Pixel(29, 39), 0xFF0000u);
    EXPECT_EQ(Pixel(30, 39), 0x008000u) << "outside the update region nothing is painted";
    EXPECT_EQ(Pixel(9, 20), 0x008000u);

    recorder.Clear();
    UpdateWindow(child);
    EXPECT_EQ(recorder.Count(WM_PAINT), 0) << "nothing invalid, nothing painted";

    // A control that changes one row and then scrolls invalidates the row
    // and then everything: all of the second, larger area reaches the screen.
    RECT row{0, 32, 100, 48};
    InvalidateRect(child, &row, FALSE);
    InvalidateRect(child, nullptr, FALSE);
    g_paintColor = RGB(0, 0, 255);
    testsupport::ProcessEvents();
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
    for (int y : {5, 40, 290})
        EXPECT_EQ(Pixel(50, y), 0x0000FFu) << y;
}

TEST_F(PaintingTest, RedrawWindowTheEraseFlagAndHiddenWindows)
{
    InvalidateRect(child, nullptr, TRUE);
    UpdateWindow(child);
    EXPECT_EQ(recorder.Codes({WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}))
        << "BeginPaint erases";
    recorder.Clear();

    RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(recorder.Codes({WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));

    // A hidden window keeps its update region until it is shown.
    ShowWindow(child, SW_HIDE);
    recorder.Clear();
    InvalidateRect(child, nullptr, FALSE);
    UpdateWindow(child);
    EXPECT_EQ(recorder.Count(WM_PAINT), 0);
    EXPECT_TRUE(GetUpdateRect(child, nullptr, FALSE));
    ShowWindow(child, SW_SHOW);
    testsupport::ProcessEvents();
    EXPECT_EQ(recorder.Count(WM_PAINT), 1);
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
}

TEST_F(PaintingTest, ScrollWindowMovesContentAndInvalidatesTheUncoveredPart)
{
    // A red band at rows 100..109, then scroll the content up by 40.
    RECT band{0, 100, 100, 110};
    g_paintColor = RGB(255, 0, 0);
    InvalidateRect(child, &band, FALSE);
    UpdateWindow(child);
    g_paintColor = RGB(0, 0, 255);
    EXPECT_TRUE(ScrollWindow(child, 0, -40, nullptr, nullptr));
    RECT update;
    ASSERT_TRUE(GetUpdateRect(child, &update, FALSE));
    EXPECT_EQ(update.top, 260);
    EXPECT_EQ(update.bottom, 300);
    UpdateWindow(child);
    for (const auto& [y, colour] :
         {std::pair{59, 0x008000u}, {60, 0xFF0000u}, {69, 0xFF0000u}, {70, 0x008000u}})
        EXPECT_EQ(Pixel(50, y), colour) << "the band moved up by exactly 40, row " << y;
    EXPECT_EQ(Pixel(50, 270), 0x0000FFu) << "the uncovered part was repainted";
}

TEST_F(PaintingTest, UserActionsOnTheBarBecomeScrollMessagesThroughThePump)
{
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 50;
    si.nPos = 0;
    SetScrollInfo(child, SB_VERT, &si, TRUE);
    testsupport::ProcessEvents();
    auto* bar = WidgetOfWindow(child)->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());
    std::vector<UINT> filtered;
    SetMessageFilter([&](MSG& msg) {
        if (msg.message == WM_VSCROLL)
            filtered.push_back(LOWORD(msg.wParam));
        return false;
    });

    QWindow* window = WidgetOfWindow(top)->windowHandle();
    // The down arrow at the bottom; the thumb, half of the groove, at the top.
    const QPoint down(bar->width() / 2, bar->height() - bar->width() / 2);
    const QPoint thumb(bar->width() / 2, bar->height() / 4);
    auto inWindow = [&](QPoint p) { return bar->mapTo(WidgetOfWindow(top), p); };

    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, inWindow(down));
    EXPECT_EQ(g_scrollCodes, (std::vector<UINT>{SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(filtered, g_scrollCodes);
    EXPECT_EQ(GetScrollPos(child, SB_VERT), 0);
    EXPECT_EQ(bar->value(), 0) << "the bar shows the unchanged position";

    g_scrollCodes.clear();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inWindow(thumb));
    // A drag move carries the held button, which QTest's move does not.
    const QPoint to = thumb + QPoint(0, 40);
    QMouseEvent drag(QEvent::MouseMove, to, bar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &drag);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inWindow(thumb + QPoint(0, 40)));
    ASSERT_FALSE(g_scrollCodes.empty());
    EXPECT_EQ(g_scrollCodes.front(), static_cast<UINT>(SB_THUMBTRACK));
    EXPECT_EQ(g_scrollCodes[g_scrollCodes.size() - 2], static_cast<UINT>(SB_THUMBPOSITION));
    EXPECT_EQ(g_scrollCodes.back(), static_cast<UINT>(SB_ENDSCROLL));
    ASSERT_FALSE(g_trackAtThumbTrack.empty());
    EXPECT_GT(g_trackAtThumbTrack.back(), 0);
    EXPECT_EQ(GetScrollPos(child, SB_VERT), 0);
    EXPECT_EQ(bar->sliderPosition(), 0) << "after the drag the thumb shows the real position";
}

} // namespace
