// The frame window: layout of bars and client, the splitter's panes and
// the active view, bar commands, menu prompts, toolbar, status-bar panes
// and dropped files.
#include "FrameworkTestSupport.h"

#include "framework/CmdUI.h"
#include "framework/CreateContext.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/Rect.h"
#include "framework/ResourceRegistry.h"
#include "framework/RuntimeClass.h"
#include "framework/SplitterWnd.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "platform/CommCtrl.h"
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/TestHooks.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kResource = 9301;

std::vector<std::string> g_log;

class PaneView : public CView {
public:
    std::string Name() const
    {
        return GetDlgCtrlID() == static_cast<int>(res::AFX_IDW_PANE_FIRST) ? "upper" : "lower";
    }
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override
    {
        g_log.push_back((bActivate ? "activate " : "deactivate ") + Name());
        CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    }
};

class BarFrame : public CFrameWnd {
public:
    CSplitterWnd m_wndSplitter;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    int clientHeightAtCreation = 0;

protected:
    int OnCreate(CREATESTRUCTA* cs) override
    {
        if (CFrameWnd::OnCreate(cs) == -1)
            return -1;
        static const UINT indicators[] = {res::ID_SEPARATOR, res::ID_INDICATOR_CAPS, res::ID_INDICATOR_NUM,
                                          res::ID_INDICATOR_SCRL};
        if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                                   WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS
                                       | CBRS_FLYBY)
            || !m_wndToolBar.LoadToolBar(kResource) || !m_wndStatusBar.Create(this)
            || !m_wndStatusBar.SetIndicators(indicators, 4))
            return -1;
        m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndToolBar);
        return 0;
    }

    BOOL OnCreateClient(CREATESTRUCTA*, CCreateContext* pContext) override
    {
        if (!m_wndSplitter.CreateStatic(this, 2, 1))
            return FALSE;
        CRect client;
        GetClientRect(&client);
        clientHeightAtCreation = client.Height();
        m_wndSplitter.CreateView(0, 0, pContext->m_pNewViewClass,
                                 SIZE{0, static_cast<LONG>(client.Height() * 0.8)}, pContext);
        m_wndSplitter.CreateView(1, 0, pContext->m_pNewViewClass, SIZE{0, 0}, pContext);
        return TRUE;
    }

    void OnInitMenu(CMenu* pMenu) override
    {
        CFrameWnd::OnInitMenu(pMenu);
        pMenu->EnableMenuItem(res::ID_FILE_SAVE, MF_BYCOMMAND | MF_GRAYED);
    }

    void OnUpdateNum(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BarFrame, CFrameWnd)
ON_UPDATE_COMMAND_UI(res::ID_INDICATOR_NUM, &BarFrame::OnUpdateNum)
END_MESSAGE_MAP()

class FrameApp : public CWinApp {
public:
    FrameApp() : CWinApp("Frame test") { }

protected:
    void OnOpen() { g_log.push_back("open command"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FrameApp, CWinApp)
ON_COMMAND(res::ID_FILE_OPEN, &FrameApp::OnOpen)
END_MESSAGE_MAP()

// Two button images: a red and a blue square.
std::vector<HICON> TwoImages()
{
    std::vector<HICON> images;
    for (const char* colour : {"#c80000", "#0000c8"}) {
        const std::string svg = std::string("<svg xmlns='http://www.w3.org/2000/svg' width='16' height='15'>")
            + "<rect x='2' y='2' width='12' height='11' fill='" + colour + "'/></svg>";
        images.push_back(CreateIconFromSvg(svg.data(), svg.size()));
    }
    return images;
}

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterMenuResource(
            kResource,
            {
                MenuItemDesc::Popup("&File",
                                    {MenuItemDesc::Command("&Open...\tStrg+O", res::ID_FILE_OPEN),
                                     MenuItemDesc::Command("Save", res::ID_FILE_SAVE)}),
                MenuItemDesc::Popup("&View",
                                    {MenuItemDesc::Command("&Toolbar", res::ID_VIEW_TOOLBAR),
                                     MenuItemDesc::Command("St&atusbar", res::ID_VIEW_STATUS_BAR)}),
            });
        if (!FindToolBarResource(kResource))
            RegisterToolBarResource(
                kResource, ToolBarResource{16, 15, {res::ID_FILE_OPEN, 0, res::ID_APP_ABOUT}, TwoImages()});
        app.AddDocTemplate(new CSingleDocTemplate(kResource, RUNTIME_CLASS(CDocument),
                                                  RUNTIME_CLASS(BarFrame), RUNTIME_CLASS(PaneView)));
        ASSERT_NE(app.OpenDocumentFile(nullptr), nullptr);
        frame = dynamic_cast<BarFrame*>(app.m_pMainWnd);
        ASSERT_NE(frame, nullptr);
        upper = static_cast<PaneView*>(frame->m_wndSplitter.GetPane(0, 0));
        lower = static_cast<PaneView*>(frame->m_wndSplitter.GetPane(1, 0));
        frame->MoveWindow(0, 0, 640, 480);
        PumpWaitingMessages();
        g_log.clear();
    }
    // The registry owns the toolbar's images; they go with the test.
    void TearDown() override { RemoveToolBarResource(kResource); }

    // A child's rectangle in the frame's client coordinates.
    CRect RectInFrame(const CWnd& child) const
    {
        CRect r;
        child.GetWindowRect(&r);
        POINT tl{r.left, r.top};
        ScreenToClient(frame->m_hWnd, &tl);
        return CRect(tl.x, tl.y, tl.x + r.Width(), tl.y + r.Height());
    }

    FrameApp app;
    BarFrame* frame = nullptr;
    PaneView* upper = nullptr;
    PaneView* lower = nullptr;
};

TEST_F(Frame, ToolbarOnTopStatusBarAtTheBottomSplitterBetween)
{
    CRect client;
    frame->GetClientRect(&client);
    const CRect tool = RectInFrame(frame->m_wndToolBar);
    const CRect status = RectInFrame(frame->m_wndStatusBar);
    const CRect split = RectInFrame(frame->m_wndSplitter);
    EXPECT_EQ(tool, CRect(0, 0, client.right, frame->m_wndToolBar.CalcFixedLayout(TRUE, TRUE).cy));
    EXPECT_EQ(status,
              CRect(0, client.bottom - frame->m_wndStatusBar.CalcFixedLayout(TRUE, TRUE).cy, client.right,
                    client.bottom));
    EXPECT_EQ(split, CRect(0, tool.bottom, client.right, status.top));
    EXPECT_EQ(frame->m_wndSplitter.GetDlgCtrlID(), static_cast<int>(res::AFX_IDW_PANE_FIRST));
    EXPECT_EQ(lower->GetDlgCtrlID(), static_cast<int>(res::AFX_IDW_PANE_FIRST) + 16);
}

TEST_F(Frame, UpperPaneKeepsItsInitialHeightTheLowerTakesTheRest)
{
    frame->MoveWindow(0, 0, 640, frame->clientHeightAtCreation + 200);
    const int expected = static_cast<int>(frame->clientHeightAtCreation * 0.8);
    int cur = 0;
    int min = 0;
    frame->m_wndSplitter.GetRowInfo(0, cur, min);
    EXPECT_EQ(cur, expected);
    CRect split;
    frame->m_wndSplitter.GetClientRect(&split);
    frame->m_wndSplitter.GetRowInfo(1, cur, min);
    EXPECT_EQ(cur, split.Height() - expected - CSplitterWnd::kSplitterSize);
    CRect lowerRect;
    lower->GetClientRect(&lowerRect);
    EXPECT_EQ(lowerRect.Height(), cur);
    EXPECT_FALSE(frame->m_wndSplitter.CreateView(2, 0, RUNTIME_CLASS(PaneView), SIZE{}, nullptr))
        << "no such row";
}

TEST_F(Frame, AClickInAViewMakesItTheActiveView)
{
    PostMessageA(lower->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpWaitingMessages();
    EXPECT_EQ(frame->GetActiveView(), lower);
    EXPECT_EQ(g_log, (std::vector<std::string>{"deactivate upper", "activate lower"}));
}

TEST_F(Frame, ViewMenuCommandsShowAndHideTheBarsAndCheckTheirItems)
{
    CMenu* view = frame->GetMenu()->GetSubMenu(1);
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 1);
    EXPECT_TRUE(view->GetMenuState(0) & MF_CHECKED);
    EXPECT_TRUE(view->GetMenuState(1) & MF_CHECKED);

    frame->SendMessage(WM_COMMAND, res::ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(frame->m_wndStatusBar.GetStyle() & WS_VISIBLE);
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(RectInFrame(frame->m_wndSplitter).bottom, client.bottom) << "the client takes the bar's place";
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 1);
    EXPECT_FALSE(view->GetMenuState(1) & MF_CHECKED);

    frame->SendMessage(WM_COMMAND, res::ID_VIEW_TOOLBAR);
    EXPECT_EQ(RectInFrame(frame->m_wndSplitter).top, 0);
    frame->SendMessage(WM_COMMAND, res::ID_VIEW_TOOLBAR);
    frame->SendMessage(WM_COMMAND, res::ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(frame->m_wndStatusBar.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(RectInFrame(frame->m_wndSplitter).top, RectInFrame(frame->m_wndToolBar).bottom);
}

TEST_F(Frame, HighlightedMenuItemsShowTheirPromptAndTheIdleTextReturns)
{
    EXPECT_EQ(frame->m_wndStatusBar.GetWindowText(), "Ready") << "the idle text from the start";
    QAction* open = frame->GetMenu()->FindAction(res::ID_FILE_OPEN);
    ASSERT_NE(open, nullptr);
    open->hover();
    EXPECT_EQ(frame->m_wndStatusBar.GetWindowText(), "Open an IFC file.");
    auto* file = qobject_cast<QMenu*>(frame->GetMenu()->GetSubMenu(0)->GetWidget());
    ASSERT_NE(file, nullptr);
    QMetaObject::invokeMethod(file, "aboutToHide");
    EXPECT_EQ(frame->m_wndStatusBar.GetWindowText(), "Ready");

    open->trigger();
    PumpWaitingMessages();
    EXPECT_EQ(g_log, (std::vector<std::string>{"open command"}));
}

TEST_F(Frame, OpeningATopLevelMenuSendsInitMenuThenUpdatesThePopup)
{
    // Only update handlers and OnInitMenu disable items here.
    frame->m_bAutoMenuEnable = FALSE;
    auto* file = qobject_cast<QMenu*>(frame->GetMenu()->GetSubMenu(0)->GetWidget());
    QMetaObject::invokeMethod(file, "aboutToShow");
    CMenu* popup = frame->GetMenu()->GetSubMenu(0);
    EXPECT_TRUE(popup->GetMenuState(1) & MF_GRAYED) << "Save, grayed in OnInitMenu";
    EXPECT_FALSE(popup->GetMenuState(0) & MF_GRAYED) << "Open";
    EXPECT_FALSE(frame->GetMenu()->GetMenuState(0) & MF_GRAYED) << "the menu bar's own entries stay";
    EXPECT_FALSE(frame->GetMenu()->GetMenuState(1) & MF_GRAYED);
}

TEST_F(Frame, ToolbarButtonsShowPromptsAndSendTheirCommand)
{
    CToolBar& bar = frame->m_wndToolBar;
    ASSERT_EQ(bar.GetCount(), 3);
    EXPECT_EQ(bar.GetButtonStyle(1), TBBS_SEPARATOR);
    CRect open;
    bar.GetItemRect(0, &open);
    CRect about;
    bar.GetItemRect(2, &about);
    EXPECT_EQ(open.Width(), 23);
    EXPECT_EQ(open.Height(), 22);
    EXPECT_EQ(about.left, open.right + 8);

    // Mouse input through the event bridge, as from the real mouse.
    QWidget* widget = WidgetOfWindow(bar.m_hWnd);
    auto mouse = [&](QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
        PumpWaitingMessages();
    };
    const QPoint inside(open.left + 5, open.top + 5);
    mouse(QEvent::MouseMove, inside, Qt::NoButton);
    EXPECT_EQ(frame->m_wndStatusBar.GetWindowText(), "Open an IFC file.");
    mouse(QEvent::MouseButtonPress, inside, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, inside, Qt::NoButton);
    EXPECT_EQ(g_log, (std::vector<std::string>{"open command"}));
    EXPECT_EQ(frame->m_wndStatusBar.GetWindowText(), "Open an IFC file.");
    PostMessageA(bar.m_hWnd, WM_MOUSELEAVE, 0, 0);
    PumpWaitingMessages();
    EXPECT_EQ(frame->m_wndStatusBar.GetWindowText(), "Ready");

    // A press that ends outside the button gives no command.
    g_log.clear();
    mouse(QEvent::MouseButtonPress, inside, Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(open.right + 2, open.top + 5), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPoint(open.right + 2, open.top + 5), Qt::NoButton);
    EXPECT_TRUE(g_log.empty());
}

TEST_F(Frame, IdleUpdatesDisableToolbarButtonsWithoutHandler)
{
    // About has no handler here; Open is handled by the application.
    frame->m_bAutoMenuEnable = FALSE;
    app.OnIdle(0);
    EXPECT_FALSE(frame->m_wndToolBar.GetButtonStyle(2) & TBBS_DISABLED) << "only update handlers disable";
    frame->m_bAutoMenuEnable = TRUE;
    app.OnIdle(0);
    EXPECT_FALSE(frame->m_wndToolBar.GetButtonStyle(0) & TBBS_DISABLED);
    EXPECT_TRUE(frame->m_wndToolBar.GetButtonStyle(2) & TBBS_DISABLED);
    // Open shows its image; About, disabled, only its shape in the shadow colour.
    UpdateWindow(frame->m_wndToolBar.m_hWnd);
    const QImage bar = testsupport::GrabClient(frame->m_wndToolBar.m_hWnd);
    auto count = [&bar, this](int button, QRgb colour) {
        CRect rect;
        frame->m_wndToolBar.GetItemRect(button, &rect);
        return testsupport::CountPixels(
            bar, [colour](QRgb p) { return (p & 0xFFFFFF) == colour; },
            QRect(rect.left, rect.top, rect.Width(), rect.Height()));
    };
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    EXPECT_EQ(count(0, 0xC80000), 12 * 11);
    EXPECT_EQ(count(2, 0x0000C8), 0);
    EXPECT_EQ(count(2, QColorOf(shadow).rgb() & 0xFFFFFF), 12 * 11);
}

TEST_F(Frame, IndicatorPanesShowTheirTextWhileEnabled)
{
    CStatusBar& bar = frame->m_wndStatusBar;
    ASSERT_EQ(bar.GetCount(), 4);
    // Dark pixels inside each pane's edges: its text drawn or not.
    auto textPixels = [&bar, this] {
        app.OnIdle(0);
        UpdateWindow(bar.m_hWnd);
        const QImage image = testsupport::GrabClient(bar.m_hWnd);
        std::vector<int> counts;
        for (int i = 1; i < 4; ++i) {
            CRect pane;
            bar.GetItemRect(i, &pane);
            counts.push_back(testsupport::CountPixels(
                image, [](QRgb p) { return qGray(p) < 96; },
                QRect(pane.left + 1, pane.top + 1, pane.Width() - 2, pane.Height() - 2)));
        }
        return counts;
    };
    // The lock panes show their text while the lock is on; Num is enabled
    // by the frame's own handler.
    SetLockKeyForTest(VK_CAPITAL, false);
    SetLockKeyForTest(VK_SCROLL, false);
    std::vector<int> off = textPixels();
    EXPECT_EQ(off, (std::vector<int>{0, off[1], 0}));
    EXPECT_GT(off[1], 0);
    SetLockKeyForTest(VK_CAPITAL, true);
    SetLockKeyForTest(VK_SCROLL, true);
    std::vector<int> on = textPixels();
    SetLockKeyForTest(VK_CAPITAL, std::nullopt);
    SetLockKeyForTest(VK_SCROLL, std::nullopt);
    EXPECT_GT(on[0], 0);
    EXPECT_EQ(on[1], off[1]);
    EXPECT_GT(on[2], 0);
    EXPECT_EQ(textPixels()[0], 0) << "offscreen the keyboard tells no lock";
    // The message pane stretches; the indicators follow it, left to right.
    RECT panes[4];
    for (int i = 0; i < 4; ++i)
        bar.GetItemRect(i, &panes[i]);
    EXPECT_EQ(panes[0].left, 0);
    for (int i = 1; i < 4; ++i)
        EXPECT_GT(panes[i].left, panes[i - 1].right - 1);
}

} // namespace
