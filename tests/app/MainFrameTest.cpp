// The main frame of the real program: its bars, panes and menu, the keys
// that move between the views, the search commands that always reach the
// upper view, and the prompts of menu items and toolbar buttons.
#include "app/AppTest.h"

#include "app/MainResources.h"

#include "framework/CreateContext.h"
#include "framework/Menu.h"
#include "framework/Rect.h"
#include "framework/ResourceRegistry.h"
#include "platform/MessageLoop.h"
#include "platform/TestHooks.h"
#include "platform/qt/QtBridge.h"
#include "res/Resource.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>

namespace {

class MainFrameTest : public ExampleAppTest {
protected:
    void SearchByKey(const std::function<void(HWND)>& answer)
    {
        WhileModal(
            res::IDC_FIND_WHAT, [this] { PressKey(Qt::Key_F, Qt::ControlModifier); }, answer);
    }
};

// The framework's frame lays out the bars; the program's are stacked:
// toolbar, splitter and status bar fill the client area from top to bottom.
TEST_F(MainFrameTest, TheBarsAndTheSplitterFillTheClientFromTopToBottom)
{
    CRect client, toolRect, splitRect, statusRect;
    Frame().GetClientRect(&client);
    Frame().GetToolBar().GetWindowRect(&toolRect);
    Frame().GetSplitter().GetWindowRect(&splitRect);
    Frame().GetStatusBar()->GetWindowRect(&statusRect);
    EXPECT_EQ(toolRect.bottom, splitRect.top);
    EXPECT_EQ(splitRect.bottom, statusRect.top);
    EXPECT_EQ(toolRect.Height() + splitRect.Height() + statusRect.Height(), client.Height());
}

// The upper view starts with 0.8 of the client height the frame has when
// it makes its client, cut to whole pixels.
TEST(MainFrameSplitTest, TheUpperPaneStartsAtFourFifthsOfTheClientHeight)
{
    CKantorApp app;
    RegisterMainResources();
    for (const auto& [height, expected] : {std::pair{500, 400}, std::pair{499, 399}, std::pair{301, 240}}) {
        auto* pDocument = new CKantorDocument;
        CCreateContext context;
        context.m_pCurrentDoc = pDocument;
        auto* pFrame = new CMainFrame;
        ASSERT_TRUE(pFrame->CreateEx(0, nullptr, "split", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, height),
                                     nullptr, 0, &context));
        CRect client;
        pFrame->GetClientRect(&client);
        ASSERT_EQ(client.Height(), height);
        int cyCur = 0, cyMin = 0;
        pFrame->GetSplitter().GetRowInfo(0, cyCur, cyMin);
        EXPECT_EQ(cyCur, expected) << height;
        pFrame->DestroyWindow();
        delete pDocument;
    }
}

TEST_F(MainFrameTest, SaveAndSaveAsAreGrayedWhereverTheyOccur)
{
    // Save and Save As are grayed wherever a menu has them; a command with
    // no handler at all stays enabled.
    constexpr UINT kUnhandled = 40000;
    auto other = CMenu::CreateMenuBar({MenuItemDesc::Popup(
        "File",
        {MenuItemDesc::Command("Save", res::ID_FILE_SAVE), MenuItemDesc::Command("Unhandled", kUnhandled),
         MenuItemDesc::Popup("More", {MenuItemDesc::Command("Save As", res::ID_FILE_SAVE_AS)})})});
    Frame().SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(other.get()), 0);
    CMenu* pFile = other->GetSubMenu(0);
    Frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pFile), 0);
    EXPECT_TRUE(pFile->GetMenuState(0) & MF_GRAYED);
    EXPECT_FALSE(pFile->GetMenuState(1) & MF_GRAYED);
    EXPECT_TRUE(pFile->GetSubMenu(2)->GetMenuState(0) & MF_GRAYED);
}

TEST_F(MainFrameTest, SearchFromTheLowerViewActivatesTheUpperViewAndSearchesThere)
{
    Strings walls;
    std::ranges::copy_if(TreeLabels(Upper()), std::back_inserter(walls),
                         [](const std::string& label) { return label.find("IFCWALL") != std::string::npos; });
    ASSERT_GE(walls.size(), 2u);

    // F6 and Shift+F6 move the activation and the keyboard to the other
    // view (back to the upper one end to end).
    PressKey(Qt::Key_F6);
    ASSERT_EQ(Frame().GetActiveView(), Frame().GetLowerView());
    ASSERT_EQ(GetFocus(), Lower());
    SearchByKey([](HWND hDialog) { TypeAndEnter(hDialog, res::IDC_FIND_WHAT, "ifcwall"); });
    EXPECT_EQ(Frame().GetActiveView(), Frame().GetUpperView());
    EXPECT_EQ(TreeLabel(Upper(), TreeCaret(Upper())), walls[0]);

    // Search again from the lower view: the next match in the upper tree.
    PressKey(Qt::Key_F6, Qt::ShiftModifier);
    ASSERT_EQ(Frame().GetActiveView(), Frame().GetLowerView());
    PressKey(Qt::Key_F3);
    PumpWaitingMessages();
    EXPECT_EQ(Frame().GetActiveView(), Frame().GetUpperView());
    EXPECT_EQ(TreeLabel(Upper(), TreeCaret(Upper())), walls[1]);
    // And from the upper view itself.
    PressKey(Qt::Key_F3);
    EXPECT_EQ(TreeLabel(Upper(), TreeCaret(Upper())), walls.size() > 2 ? walls[2] : walls[0]);
}

// A control as the screen shows it: read from the display (the X server
// under xcb, the backing store offscreen), at ratio 1.
QImage OnScreen(HWND hDialog, UINT nControl)
{
    const HWND control = GetDlgItem(hDialog, static_cast<int>(nControl));
    QWidget* widget = WidgetOfWindow(control);
    QWidget* top = widget->window();
    RECT client;
    GetClientRect(control, &client);
    const QPoint origin = widget->mapTo(top, QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(top->winId(), origin.x(), origin.y(), client.right, client.bottom)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Pixels of the enabled text colour (a disabled control's text is in the
// grey text colour, far from it).
int EnabledTextPixels(const QImage& image)
{
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    return testsupport::CountPixels(image, [text](QRgb p) {
        return std::abs(qRed(p) - GetRValue(text)) + std::abs(qGreen(p) - GetGValue(text))
            + std::abs(qBlue(p) - GetBValue(text))
            < 48;
    });
}

// The middle of a radio button's indicator, the ring at its left end: how
// dark it is (0 black, 255 white), or -1 when no ring is drawn.
int IndicatorMiddle(const QImage& radio)
{
    const int side = radio.height();
    const int background = qGray(radio.pixel(radio.width() - 1, 0));
    const QRect ring = testsupport::PixelBox(
        radio, [background](QRgb p) { return background - qGray(p) > 40; }, QRect(0, 0, side, side));
    if (ring.width() < side / 2 || ring.height() < side / 2)
        return -1;
    return qGray(radio.pixel(ring.center()));
}

// Rendered on the display the tests run on (ctest runs this on the virtual X
// display too): the Search dialog's radio buttons with Down checked, and
// every control of it in the enabled text colour, the typed text too; the
// OK buttons of the Info box and the Usage dialog likewise.
TEST_F(MainFrameTest, DialogControlsAreDrawnInTheirEnabledState)
{
    SearchByKey([&](HWND hDialog) {
        QTest::keyClicks(WidgetOfWindow(GetDlgItem(hDialog, res::IDC_FIND_WHAT)), "wall");
        PumpUntil([] { return false; }, 100);
        const int up = IndicatorMiddle(OnScreen(hDialog, res::IDC_DIRECTION_UP));
        const int down = IndicatorMiddle(OnScreen(hDialog, res::IDC_DIRECTION_DOWN));
        EXPECT_GT(up, 160) << "Up: no ring, or checked";
        EXPECT_GE(down, 0) << "Down: no ring";
        EXPECT_LT(down, 100) << "Down: not checked";
        for (UINT nControl :
             {UINT(res::IDC_FIND_WHAT), UINT(res::IDC_FIND_WHAT_LABEL), UINT(res::IDC_DIRECTION_UP),
              UINT(res::IDC_DIRECTION_DOWN), UINT(IDOK), UINT(IDCANCEL)})
            EXPECT_GE(EnabledTextPixels(OnScreen(hDialog, nControl)), 5) << "control " << nControl;
        // The group box's title: the band above the radio buttons it frames.
        RECT group, radio;
        GetWindowRect(GetDlgItem(hDialog, res::IDC_DIRECTION_GROUP), &group);
        GetWindowRect(GetDlgItem(hDialog, res::IDC_DIRECTION_UP), &radio);
        const QImage title = OnScreen(hDialog, res::IDC_DIRECTION_GROUP)
                                 .copy(0, 0, group.right - group.left, radio.top - group.top);
        EXPECT_GE(EnabledTextPixels(title), 5) << "the group box's title";
        SendMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
    });
    // The Info box and the Usage dialog, with their texts; afterwards the
    // keyboard is back in the tree that had it.
    const struct {
        UINT nCommand, nText;
        std::string strStart;
    } dialogs[] = {{res::ID_APP_ABOUT, res::IDC_VERSION, "1, 1, 0, 0"},
                   {res::ID_USAGE, res::IDC_USAGE_TEXT, "- The top window is the main window."}};
    for (const auto& d : dialogs)
        WhileModal(
            IDOK, [&] { Frame().SendMessage(WM_COMMAND, d.nCommand, 0); },
            [&](HWND hDialog) {
                PumpUntil([] { return false; }, 100);
                EXPECT_EQ(ControlText(hDialog, d.nText).rfind(d.strStart, 0), 0u) << "command " << d.nCommand;
                EXPECT_GE(EnabledTextPixels(OnScreen(hDialog, IDOK)), 5) << "command " << d.nCommand;
                SendMessageA(hDialog, WM_COMMAND, IDOK, 0);
            });
    EXPECT_EQ(GetFocus(), Upper());
}

TEST_F(MainFrameTest, TheProgramGivesBackEveryDrawingObjectAtExit)
{
    const std::size_t nObjects = LiveGdiObjectCount();
    Start();
    for (int nRun = 0; nRun < 2; ++nRun)
        WhileModal(
            res::IDC_VERSION, [this] { Frame().SendMessage(WM_COMMAND, res::ID_APP_ABOUT, 0); },
            [&](HWND hDialog) { SendMessageA(hDialog, WM_COMMAND, IDOK, 0); });
    TearDown();
    EXPECT_EQ(LiveGdiObjectCount(), nObjects);
    // The program's icon and the toolbar's images too.
    EXPECT_EQ(FindIconResource(res::IDR_MAINFRAME), nullptr);
    EXPECT_EQ(LiveIconCount(), 0u);
}

TEST_F(MainFrameTest, MenuItemsAndToolbarButtonsShowTheirPromptsAndTips)
{
    Frame().GetMenu()->FindAction(res::ID_SEARCH)->hover();
    EXPECT_EQ(MessagePane(), "Search for a String in the Tree.");
    // The pointer rests on the Info button: its prompt and its tip.
    CToolBar& bar = Frame().GetToolBar();
    QTest::mouseMove(WidgetOfWindow(bar.GetSafeHwnd()), ToolBarButtonMiddle(res::ID_APP_ABOUT));
    PumpWaitingMessages();
    EXPECT_EQ(MessagePane(), "Display Information aboutt Lumenor.");
    const HWND hTip = bar.GetToolTips();
    ASSERT_NE(hTip, nullptr);
    EXPECT_TRUE(PumpUntil([hTip] { return IsWindowVisible(hTip) != FALSE; }, 3000));
    EXPECT_EQ(GetWindowTextString(hTip), "Info");
}

} // namespace
