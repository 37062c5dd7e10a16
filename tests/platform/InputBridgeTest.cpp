// Real input through the event bridge: synthesised Qt input on the window
// becomes mouse and key messages, through the pre-translation filter.
#include "platform/MessageLoop.h"
#include "platform/PeekMessage.h"
#include "platform/Window.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Input {
    UINT message;
    WPARAM wParam;
    int x;
    int y;
    bool ctrlDown;
};

std::vector<Input> g_input;

bool IsInput(UINT msg)
{
    return (msg >= WM_MOUSEMOVE && msg <= WM_XBUTTONDBLCLK) || (msg >= WM_KEYDOWN && msg <= WM_SYSKEYUP)
        || msg == WM_MOUSELEAVE || msg == WM_CAPTURECHANGED || msg == WM_APPCOMMAND;
}

LRESULT InputProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (IsInput(msg) && msg != WM_MOUSEMOVE)
        g_input.push_back(
            Input{msg, wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), GetKeyState(VK_CONTROL) < 0});
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::vector<UINT> Messages()
{
    std::vector<UINT> out;
    for (const Input& i : g_input)
        out.push_back(i.message);
    return out;
}

// The wParam of each message of this kind, in order.
std::vector<WPARAM> Params(UINT message)
{
    std::vector<WPARAM> out;
    for (const Input& i : g_input) {
        if (i.message == message)
            out.push_back(i.wParam);
    }
    return out;
}

class InputBridgeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = testsupport::CreateShownTopWindow(300, 200);
        ASSERT_NE(top, nullptr);
        // A bordered child: client coordinates start inside the border.
        child = testsupport::CreateChild(testsupport::TestWindowClass("PlatformTestInput", InputProc), top, 1,
                                         20, 10, 200, 120, WS_BORDER);
        ASSERT_NE(child, nullptr);
        window = WidgetOfWindow(top)->windowHandle();
        testsupport::ProcessEvents();
        g_input.clear();
    }

    void TearDown() override
    {
        SetMessageFilter(nullptr);
        ReleaseCapture();
        DestroyWindow(top);
        testsupport::ProcessEvents();
    }

    // A point of the child's client area in the top window's coordinates.
    static QPoint InChild(int x, int y) { return QPoint(20 + 1 + x, 10 + 1 + y); }

    HWND top = nullptr;
    HWND child = nullptr;
    QWindow* window = nullptr;
};

TEST_F(InputBridgeTest, ClicksBecomeButtonMessagesInClientCoordinatesAndDoubleClicksDownUpDoubleUp)
{
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, InChild(30, 40));
    ASSERT_EQ(Messages(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(g_input[0].x, 30);
    EXPECT_EQ(g_input[0].y, 40);
    EXPECT_EQ(g_input[0].wParam, MK_LBUTTON);
    EXPECT_EQ(g_input[1].wParam, 0u);
    for (const auto& [button, expected] :
         {std::pair{Qt::LeftButton,
                    std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
          std::pair{Qt::RightButton,
                    std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP}}}) {
        g_input.clear();
        QTest::mouseDClick(window, button, Qt::NoModifier, InChild(5, 5));
        EXPECT_EQ(Messages(), expected);
    }
}

TEST_F(InputBridgeTest, InputPassesTheFilterFirstAndCanBeConsumed)
{
    std::vector<UINT> filtered;
    SetMessageFilter([&](MSG& msg) {
        if (msg.hwnd == child && msg.message != WM_MOUSEMOVE)
            filtered.push_back(msg.message);
        return msg.message == WM_LBUTTONDOWN;
    });
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, InChild(10, 10));
    EXPECT_EQ(filtered, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_LBUTTONUP}));
}

TEST_F(InputBridgeTest, KeysCarryVirtualKeyCodesCharactersAndControlState)
{
    SetFocus(child);
    QWidget* widget = WidgetOfWindow(child);
    QTest::keyClick(widget, Qt::Key_A);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(Params(WM_KEYDOWN), (std::vector<WPARAM>{'A'}));
    EXPECT_EQ(Params(WM_CHAR), (std::vector<WPARAM>{'a'}));
    EXPECT_FALSE(g_input.front().ctrlDown);

    g_input.clear();
    QTest::keyClick(widget, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Params(WM_KEYDOWN), (std::vector<WPARAM>{VK_CONTROL, VK_NEXT}));
    EXPECT_TRUE(g_input[1].ctrlDown);
    EXPECT_FALSE(GetKeyState(VK_CONTROL) < 0) << "released after the click";

    g_input.clear();
    QTest::keyClick(widget, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(Params(WM_CHAR), (std::vector<WPARAM>{12})) << "Ctrl+L types form feed";

    g_input.clear();
    QTest::keyClick(widget, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(widget, Qt::Key_Return);
    EXPECT_EQ(Params(WM_KEYDOWN), (std::vector<WPARAM>{VK_ADD, VK_RETURN}));
    EXPECT_EQ(Params(WM_CHAR), (std::vector<WPARAM>{'+', 13}));
}

TEST_F(InputBridgeTest, AKeyGoingDownCanSeeTheCharacterItTypesAndTakeIt)
{
    // As if translated: the character waits while the key goes down.
    std::vector<WPARAM> peeked;
    SetMessageFilter([&](MSG& msg) {
        if (msg.hwnd != child || msg.message != WM_KEYDOWN)
            return false;
        MSG typed;
        if (PeekMessageA(&typed, child, WM_CHAR, WM_CHAR, PM_NOREMOVE))
            peeked.push_back(typed.wParam);
        if (msg.wParam == '3')
            PeekMessageA(&typed, child, WM_CHAR, WM_CHAR, PM_REMOVE);
        return false;
    });
    SetFocus(child);
    QWidget* widget = WidgetOfWindow(child);
    QTest::keyClick(widget, '+');
    QTest::keyClick(widget, '#');
    QTest::keyClick(widget, Qt::Key_Home);
    EXPECT_EQ(peeked, (std::vector<WPARAM>{'+', '#'})) << "Home types nothing";
    EXPECT_EQ(Params(WM_CHAR), (std::vector<WPARAM>{'+'})) << "the # was taken";
    MSG typed;
    EXPECT_FALSE(PeekMessageA(&typed, child, WM_CHAR, WM_CHAR, PM_NOREMOVE)) << "nothing waits afterwards";
}

// A leave is posted once when the mouse leaves, at once when it is outside
// already; a cancel withdraws the tracking.
TEST_F(InputBridgeTest, MouseLeaveIsPostedOnceWhenTheMouseLeaves)
{
    // From outside into the child: a move to where the mouse already is
    // would be no move.
    QTest::mouseMove(window, QPoint(290, 190));
    QTest::mouseMove(window, InChild(10, 10));
    testsupport::ProcessEvents();
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = child;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    QTest::mouseMove(window, InChild(20, 10));
    testsupport::ProcessEvents();
    EXPECT_TRUE(g_input.empty()) << "moving inside does not leave";
    QTest::mouseMove(window, QPoint(290, 190));
    testsupport::ProcessEvents();
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_MOUSELEAVE}));
    QTest::mouseMove(window, InChild(10, 10));
    QTest::mouseMove(window, QPoint(290, 190));
    testsupport::ProcessEvents();
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_MOUSELEAVE})) << "tracking ends with the leave";
    TrackMouseEvent(&tme);
    testsupport::ProcessEvents();
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_MOUSELEAVE, WM_MOUSELEAVE})) << "outside already";

    g_input.clear();
    QTest::mouseMove(window, InChild(10, 10));
    TrackMouseEvent(&tme);
    tme.dwFlags = TME_LEAVE | TME_CANCEL;
    TrackMouseEvent(&tme);
    QTest::mouseMove(window, QPoint(290, 190));
    testsupport::ProcessEvents();
    EXPECT_TRUE(g_input.empty());
}

} // namespace
