// The progress status bar: layout of its two children, progress mode on
// and off, painting, and the message pane as the bar's window text.
#include "app/ProgressStatusBar.h"
#include "framework/Rect.h"
#include "framework/WinApp.h"
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"
#include "res/Resource.h"
#include "support/TestSupport.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace {

const UINT kIndicators[] = {res::ID_SEPARATOR, res::ID_INDICATOR_CAPS, res::ID_INDICATOR_NUM,
                            res::ID_INDICATOR_SCRL};

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "status", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 60), nullptr, 0));
        ASSERT_TRUE(bar.Create(&parent));
        ASSERT_TRUE(bar.SetIndicators(kIndicators, 4));
        bar.MoveWindow(0, 0, 800, 20);
    }

    // A child's rectangle in the bar's client coordinates.
    CRect RectInBar(const CWnd& child) const
    {
        CRect r;
        child.GetWindowRect(&r);
        POINT tl{r.left, r.top};
        ScreenToClient(bar.m_hWnd, &tl);
        return CRect(tl.x, tl.y, tl.x + r.Width(), tl.y + r.Height());
    }

    // The bar as it is on the screen now.
    QImage Shown() const { return GrabWindowImage(bar.m_hWnd); }

    static bool AllPixels(const QImage& image, const CRect& r, QRgb color)
    {
        const QRect area(r.left, r.top, r.Width(), r.Height());
        return testsupport::PixelBox(
                   image, [color](QRgb p) { return p != color; }, area)
            .isEmpty();
    }

    static QRgb Rgb(int sysColor) { return QColorOf(GetSysColor(sysColor)).rgb(); }

    CWinApp app{"Status bar test"};
    CWnd parent;
    CProgressStatusBar bar;
};

TEST_F(StatusBarTest, ProgressModeLaysOutBarAndLabelOverTheLeftPart)
{
    EXPECT_EQ(bar.GetProgressCtrl().GetDlgCtrlID(), 0);
    EXPECT_EQ(bar.GetProgressLabel().GetDlgCtrlID(), 65535);
    EXPECT_EQ(bar.GetProgressLabel().GetFont(), bar.GetFont());
    ASSERT_NE(bar.GetFont(), nullptr);
    // With the mode off a text changes only the hidden, unplaced label.
    bar.SetProgressText("Loading");
    EXPECT_FALSE(bar.IsProgressMode());
    EXPECT_EQ(RectInBar(bar.GetProgressLabel()).Width(), 0);
    EXPECT_FALSE(bar.GetProgressCtrl().GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(bar.GetProgressLabel().GetStyle() & WS_VISIBLE);

    bar.ShowProgress(TRUE);
    EXPECT_TRUE(bar.IsProgressMode());
    EXPECT_EQ(RectInBar(bar.GetProgressCtrl()), CRect(5, 2, 5 + 160, 2 + 16));
    EXPECT_EQ(RectInBar(bar.GetProgressLabel()), CRect(170, 2, 170 + 625, 2 + 16));
    EXPECT_EQ(bar.GetProgressLabel().GetWindowText(), "Loading");

    // (Bar and label shown, and the bar hidden again, are on the screen below.)
    bar.ShowProgress(FALSE);
    EXPECT_FALSE(bar.GetProgressLabel().GetStyle() & WS_VISIBLE);

    // No relayout on resize; the next switch-on places the label anew.
    bar.MoveWindow(0, 0, 300, 20);
    bar.ShowProgress(TRUE);
    EXPECT_EQ(RectInBar(bar.GetProgressLabel()), CRect(170, 2, 170 + 125, 2 + 16));
    bar.MoveWindow(0, 0, 500, 30);
    EXPECT_EQ(RectInBar(bar.GetProgressLabel()), CRect(170, 2, 170 + 125, 2 + 16));
    bar.SetProgressText("Building tree structure");
    EXPECT_EQ(RectInBar(bar.GetProgressLabel()), CRect(170, 2, 170 + 325, 2 + 26))
        << "a new label relays out";
}

TEST_F(StatusBarTest, TheMessagePaneIsTheWindowTextAndTheSameTextAgainDoesNotRepaint)
{
    parent.ShowWindow(SW_SHOW);
    bar.SetPaneText(0, "Ready");
    EXPECT_EQ(bar.GetWindowText(), "Ready");
    char buffer[4];
    EXPECT_EQ(GetWindowTextA(bar.m_hWnd, buffer, 4), 3);
    EXPECT_STREQ(buffer, "Rea");
    EXPECT_EQ(GetWindowTextLengthA(bar.m_hWnd), 5);
    PumpWaitingMessages();
    RECT update;
    ASSERT_FALSE(GetUpdateRect(bar.m_hWnd, &update, FALSE));
    bar.SetWindowText("Ready");
    EXPECT_FALSE(GetUpdateRect(bar.m_hWnd, &update, FALSE)) << "nothing invalidated";
    bar.SetWindowText("Loading");
    EXPECT_EQ(bar.GetPaneText(0), "Loading");
    EXPECT_TRUE(GetUpdateRect(bar.m_hWnd, &update, FALSE));
    CRect pane;
    bar.GetItemRect(0, &pane);
    EXPECT_EQ(CRect(update), pane) << "only the message pane";
}

// A load processes no messages: each call leaves the screen current, with
// the bar and its label in place of every pane.
TEST_F(StatusBarTest, ProgressIsOnTheScreenInPlaceOfThePanesWithoutAnyMessageProcessed)
{
    parent.ShowWindow(SW_SHOW);
    bar.SetWindowText("Ready");
    PumpWaitingMessages();
    CRect caps, message;
    bar.GetItemRect(1, &caps);
    bar.GetItemRect(0, &message);
    const QRgb face = Rgb(COLOR_3DFACE);
    ASSERT_FALSE(AllPixels(Shown(), caps, face)) << "the pane's border is drawn";

    bar.SetProgressText("Loading");
    bar.ShowProgress(TRUE);
    CProgressCtrl& progress = bar.GetProgressCtrl();
    // The inside of the bar (160 wide, less an edge and a margin each side)
    // is 156 pixels: one per step.
    progress.SetRange32(0, 156);
    progress.SetStep(1);
    EXPECT_FALSE(AllPixels(Shown(), RectInBar(bar.GetProgressLabel()), face)) << "the label's text is shown";
    EXPECT_TRUE(AllPixels(Shown(), caps, face)) << "no pane is drawn in progress mode";
    EXPECT_TRUE(
        AllPixels(Shown(), CRect(message.right - 100, message.top, message.right, message.bottom), face))
        << "nor the message pane's text";
    const QRgb highlight = Rgb(COLOR_HIGHLIGHT);
    const int left = 5 + 2;
    for (int step = 1; step <= 3; ++step) {
        progress.StepIt();
        const QImage image = Shown();
        EXPECT_EQ(image.pixel(left + step - 1, 10), highlight) << "step " << step;
        EXPECT_NE(image.pixel(left + step, 10), highlight) << "step " << step;
    }
    // A new label in progress mode is shown at once, and so is the end of
    // the mode, with the panes and their texts back.
    const CRect label = RectInBar(bar.GetProgressLabel());
    const QRect labelRect(label.left, label.top, label.Width(), label.Height());
    const QImage loading = Shown().copy(labelRect);
    bar.SetProgressText("Building tree structure");
    EXPECT_NE(Shown().copy(labelRect), loading);
    bar.ShowProgress(FALSE);
    EXPECT_NE(Shown().pixel(left, 10), highlight) << "the bar is gone";
    EXPECT_FALSE(AllPixels(Shown(), caps, face)) << "the panes are back";
    EXPECT_EQ(bar.GetWindowText(), "Ready") << "with their texts";
    bar.ShowProgress(TRUE);
    progress.SetRange32(0, 1000);
    EXPECT_FALSE(AllPixels(Shown(), RectInBar(bar.GetProgressLabel()), face));
    EXPECT_NE(Shown().pixel(left, 10), highlight) << "a new range starts empty";
}

} // namespace
