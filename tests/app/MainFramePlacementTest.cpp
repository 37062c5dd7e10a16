// The main window's place and the upper pane's height, kept in the settings
// (the test's own folder) when the window closes and restored at start-up,
// and stored values that would put the window out of reach.
#include "app/AppTest.h"

#include "framework/ProfileSettings.h"
#include "framework/Rect.h"
#include "platform/MessageLoop.h"
#include "platform/WindowPlacement.h"
#include "platform/qt/QtBridge.h"

#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace {

class MainFramePlacementTest : public AppTest {
protected:
    // Closes the window as the user does and starts the program again.
    void Restart()
    {
        Frame().SendMessage(WM_CLOSE);
        PumpWaitingMessages();
        ASSERT_EQ(m_pApp->GetMainFrame(), nullptr);
        m_pApp.reset();
        Start();
        PumpWaitingMessages();
    }
    CRect WindowRect()
    {
        CRect rc;
        Frame().GetWindowRect(&rc);
        return rc;
    }
    int UpperHeight()
    {
        int cyCur = 0, cyMin = 0;
        Frame().GetSplitter().GetRowInfo(0, cyCur, cyMin);
        return cyCur;
    }
    // The frame as the platform shows it.
    QImage Shown()
    {
        return QGuiApplication::primaryScreen()
            ->grabWindow(WidgetOfWindow(Frame().m_hWnd)->winId())
            .toImage();
    }
    // Whether the bar between the panes shows below nUpper rows of the
    // splitter (the trees' background is white, the bar is not).
    bool BarShowsBelow(int cyUpper)
    {
        POINT origin{0, 0};
        ::ClientToScreen(Frame().GetSplitter().m_hWnd, &origin);
        const QImage image = Shown();
        const int x = image.width() / 2;
        const int y = origin.y - WindowRect().top + cyUpper;
        return image.pixel(x, y - 1) == qRgb(255, 255, 255) && image.pixel(x, y + 2) != qRgb(255, 255, 255);
    }
    QRect FrameOnScreen() { return WidgetOfWindow(Frame().m_hWnd)->frameGeometry(); }
    // The place a start without stored values gives: the window and the
    // upper pane's height.
    std::pair<CRect, int> DefaultPlace()
    {
        Start();
        PumpWaitingMessages();
        std::pair<CRect, int> place{WindowRect(), UpperHeight()};
        m_pApp->GetMainFrame()->DestroyWindow();
        m_pApp.reset();
        return place;
    }
};

TEST_F(MainFramePlacementTest, PlaceAndUpperPaneComeBackAtTheNextStart)
{
    const auto [rcDefault, cyDefault] = DefaultPlace();
    Start();
    EXPECT_EQ(UpperHeight(), cyDefault);
    Frame().MoveWindow(30, 40, 640, 420);
    Frame().GetSplitter().SetRowInfo(0, 150, 0);
    Frame().GetSplitter().RecalcLayout();
    Restart();

    EXPECT_EQ(WindowRect(), CRect(30, 40, 670, 460));
    EXPECT_EQ(UpperHeight(), 150);
    EXPECT_FALSE(::IsZoomed(Frame().m_hWnd));
    // What the platform shows has the stored size and the bar in its place.
    EXPECT_EQ(Shown().size(), QSize(640, 420));
    EXPECT_TRUE(BarShowsBelow(150));

    // Maximised: it comes back maximised at the same size, with its normal
    // place and the upper pane's height.
    Frame().ShowWindow(SW_SHOWMAXIMIZED);
    ASSERT_TRUE(PumpUntil([this] { return WindowRect().Width() > 640; }, 5000));
    const CRect rcMaximized = WindowRect();
    Frame().GetSplitter().SetRowInfo(0, 500, 0);
    Frame().GetSplitter().RecalcLayout();
    Restart();
    EXPECT_TRUE(::IsZoomed(Frame().m_hWnd));
    ASSERT_TRUE(PumpUntil([&] { return WindowRect() == rcMaximized; }, 5000));
    EXPECT_EQ(UpperHeight(), 500);
    WINDOWPLACEMENT placement;
    ASSERT_TRUE(::GetWindowPlacement(Frame().m_hWnd, &placement));
    EXPECT_EQ(CRect(placement.rcNormalPosition), CRect(30, 40, 670, 460));
}

enum class Expected { Stored, WithinTheScreen, Default };

struct StoredPlace {
    const char* name;
    const char *left, *top, *width, *height, *upper;
    Expected place;
    bool bUpperKept; // else the default share
};

class StoredPlaceTest : public MainFramePlacementTest, public ::testing::WithParamInterface<StoredPlace> { };

const StoredPlace kStoredPlaces[] = {
    {"Kept", "10", "20", "500", "400", "100", Expected::Stored, true},
    {"BeyondTheRightAndBottom", "5000", "5000", "640", "420", "100", Expected::WithinTheScreen, true},
    {"BeyondTheLeftAndTop", "-3000", "-3000", "640", "420", "100", Expected::WithinTheScreen, true},
    {"LargerThanTheScreen", "10", "20", "100000", "100000", "100", Expected::WithinTheScreen, true},
    {"NotANumber", "left", "20", "640", "420", "100", Expected::Default, false},
    {"TooNarrowToUse", "10", "20", "3", "420", "100", Expected::Default, false},
    {"TooLowToUse", "10", "20", "640", "2", "100", Expected::Default, false},
    {"IntegerOverflow", "2147483647", "20", "640", "420", "100", Expected::Default, false},
    {"UpperPaneTallerThanTheWindow", "10", "20", "500", "400", "5000", Expected::Stored, false},
    {"NegativeUpperPane", "10", "20", "500", "400", "-7", Expected::Stored, false},
};

TEST_P(StoredPlaceTest, NeverPutsTheWindowOutOfReach)
{
    const auto [rcDefault, cyDefault] = DefaultPlace();
    const StoredPlace& stored = GetParam();
    {
        CProfileSettings settings("Velmora", "Lumenor by Velmora");
        settings.WriteString("Main Window", "Left", stored.left);
        settings.WriteString("Main Window", "Top", stored.top);
        settings.WriteString("Main Window", "Width", stored.width);
        settings.WriteString("Main Window", "Height", stored.height);
        settings.WriteString("Main Window", "Upper Pane Height", stored.upper);
    }
    Start();
    PumpWaitingMessages();
    // Made only for the rows that expect it: the others' numbers may
    // overflow the right or bottom edge.
    const auto storedRect = [&] {
        return CRect(atoi(stored.left), atoi(stored.top), atoi(stored.left) + atoi(stored.width),
                     atoi(stored.top) + atoi(stored.height));
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    switch (stored.place) {
    case Expected::Stored:
        EXPECT_EQ(WindowRect(), storedRect());
        break;
    case Expected::WithinTheScreen: {
        // The whole frame on the screen, at the stored size where that fits.
        EXPECT_TRUE(screen.contains(FrameOnScreen()));
        const CRect rcStored = storedRect();
        if (rcStored.Width() < screen.width())
            EXPECT_EQ(std::make_pair(WindowRect().Width(), WindowRect().Height()),
                      std::make_pair(rcStored.Width(), rcStored.Height()));
        else
            EXPECT_EQ(FrameOnScreen(), screen);
        break;
    }
    case Expected::Default:
        EXPECT_EQ(WindowRect(), rcDefault);
        break;
    }
    CRect client;
    Frame().GetSplitter().GetClientRect(&client);
    const int cyShare = stored.place == Expected::Default
        ? cyDefault
        : static_cast<int>(client.Height() * CMainFrame::kUpperPaneShare);
    EXPECT_EQ(UpperHeight(), stored.bUpperKept ? 100 : cyShare);
}

INSTANTIATE_TEST_SUITE_P(Places, StoredPlaceTest, ::testing::ValuesIn(kStoredPlaces),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
