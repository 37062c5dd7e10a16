// Command routing: active view, its document, the frame, the application;
// the first with a handler takes the command. Update requests travel the
// same way; accelerators turn keys into commands in pre-translation.
#include "framework/CmdUI.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/ResourceRegistry.h"
#include "framework/RuntimeClass.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "platform/MessageLoop.h"
#include "platform/TestHooks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kResource = 9101;
constexpr UINT kAll = 33001; // handled by view, document, frame, application
constexpr UINT kDocUp = 33002; // document, frame, application
constexpr UINT kFrameUp = 33003; // frame, application
constexpr UINT kAppOnly = 33004; // application
constexpr UINT kNobody = 33005; // no handler anywhere
constexpr UINT kDisabled = 33006; // frame handler, disabled by the view's update handler
constexpr UINT kChecked = 33007; // checked by the document's update handler

std::vector<std::string> g_log;

class RoutingDoc : public CDocument {
protected:
    void OnTestCommand(UINT id) { g_log.push_back("doc " + std::to_string(id)); }
    void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutingDoc, CDocument)
ON_COMMAND(kAll, &RoutingDoc::OnTestCommand)
ON_COMMAND(kDocUp, &RoutingDoc::OnTestCommand)
ON_UPDATE_COMMAND_UI(kChecked, &RoutingDoc::OnUpdateChecked)
END_MESSAGE_MAP()

class RoutingView : public CView {
public:
    std::vector<UINT> keys;

protected:
    void OnTestCommand(UINT id) { g_log.push_back("view " + std::to_string(id)); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnKeyDown(UINT nChar, UINT, UINT) override { keys.push_back(nChar); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutingView, CView)
ON_COMMAND(kAll, &RoutingView::OnTestCommand)
ON_UPDATE_COMMAND_UI(kDisabled, &RoutingView::OnUpdateDisabled)
END_MESSAGE_MAP()

class RoutingFrame : public CFrameWnd {
protected:
    void OnTestCommand(UINT id) { g_log.push_back("frame " + std::to_string(id)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutingFrame, CFrameWnd)
ON_COMMAND(kAll, &RoutingFrame::OnTestCommand)
ON_COMMAND(kDocUp, &RoutingFrame::OnTestCommand)
ON_COMMAND(kFrameUp, &RoutingFrame::OnTestCommand)
ON_COMMAND(kDisabled, &RoutingFrame::OnTestCommand)
END_MESSAGE_MAP()

class RoutingApp : public CWinApp {
public:
    RoutingApp() : CWinApp("Routing test") { }

protected:
    void OnTestCommand(UINT id) { g_log.push_back("app " + std::to_string(id)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutingApp, CWinApp)
ON_COMMAND(kAll, &RoutingApp::OnTestCommand)
ON_COMMAND(kDocUp, &RoutingApp::OnTestCommand)
ON_COMMAND(kFrameUp, &RoutingApp::OnTestCommand)
ON_COMMAND(kAppOnly, &RoutingApp::OnTestCommand)
END_MESSAGE_MAP()

class CommandRouting : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterMenuResource(kResource,
                             {MenuItemDesc::Popup("&Test",
                                                  {
                                                      MenuItemDesc::Command("All", kAll),
                                                      MenuItemDesc::Separator(),
                                                      MenuItemDesc::Command("Nobody", kNobody),
                                                      MenuItemDesc::Command("Disabled", kDisabled),
                                                      MenuItemDesc::Command("Checked", kChecked),
                                                  })});
        RegisterAcceleratorResource(kResource,
                                    {ACCEL{FVIRTKEY | FCONTROL, 'F', static_cast<WORD>(kAll)},
                                     ACCEL{FVIRTKEY, VK_F3, static_cast<WORD>(kDisabled)}});
        app.AddDocTemplate(new CSingleDocTemplate(kResource, RUNTIME_CLASS(RoutingDoc),
                                                  RUNTIME_CLASS(RoutingFrame), RUNTIME_CLASS(RoutingView)));
        ASSERT_NE(app.OpenDocumentFile(nullptr), nullptr);
        frame = dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
        ASSERT_NE(frame, nullptr);
        view = dynamic_cast<RoutingView*>(frame->GetActiveView());
        ASSERT_NE(view, nullptr);
        g_log.clear();
    }

    void TearDown() override
    {
        SetKeyStateForTest(VK_CONTROL, false);
        g_log.clear();
    }

    std::vector<std::string> Route(UINT id)
    {
        g_log.clear();
        frame->SendMessage(WM_COMMAND, id, 0);
        return g_log;
    }

    RoutingApp app;
    CFrameWnd* frame = nullptr;
    RoutingView* view = nullptr;
};

TEST_F(CommandRouting, FirstHandlerInViewDocumentFrameApplicationOrderWins)
{
    EXPECT_EQ(Route(kAll), (std::vector<std::string>{"view 33001"}));
    EXPECT_EQ(Route(kDocUp), (std::vector<std::string>{"doc 33002"}));
    EXPECT_EQ(Route(kFrameUp), (std::vector<std::string>{"frame 33003"}));
    EXPECT_EQ(Route(kAppOnly), (std::vector<std::string>{"app 33004"}));
    EXPECT_TRUE(Route(kNobody).empty());
    // Without an active view the frame comes first.
    frame->SetActiveView(nullptr, FALSE);
    EXPECT_EQ(Route(kAll), (std::vector<std::string>{"frame 33001"}));
    EXPECT_EQ(Route(kDocUp), (std::vector<std::string>{"frame 33002"}));
}

TEST_F(CommandRouting, MenuItemsAreUpdatedThroughTheSameRoute)
{
    CMenu* popup = frame->GetMenu()->GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    frame->m_bAutoMenuEnable = FALSE;
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_FALSE(popup->GetMenuState(2) & MF_GRAYED) << "only an update handler disables an item";
    EXPECT_TRUE(popup->GetMenuState(3) & MF_GRAYED) << "the view's update handler disables it";
    EXPECT_TRUE(popup->GetMenuState(4) & MF_CHECKED) << "the document's update handler checks it";

    frame->m_bAutoMenuEnable = TRUE;
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_FALSE(popup->GetMenuState(0) & MF_GRAYED);
    EXPECT_TRUE(popup->GetMenuState(2) & MF_GRAYED) << "no handler: disabled while auto-enable is on";
    EXPECT_TRUE(popup->GetMenuState(3) & MF_GRAYED);
}

TEST_F(CommandRouting, DisabledCommandsFromMenusAndKeysAreIgnored)
{
    EXPECT_TRUE(Route(kDisabled).empty());
    // The same command from a control (a toolbar button) is not checked.
    g_log.clear();
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(kDisabled, BN_CLICKED), reinterpret_cast<LPARAM>(view->m_hWnd));
    EXPECT_EQ(g_log, (std::vector<std::string>{"frame 33006"}));
}

TEST_F(CommandRouting, AcceleratorKeysBecomeCommandsBeforeTheFocusWindowSeesThem)
{
    SetKeyStateForTest(VK_CONTROL, true);
    PostMessageA(view->m_hWnd, WM_KEYDOWN, 'F', 1);
    PumpWaitingMessages();
    EXPECT_EQ(g_log, (std::vector<std::string>{"view 33001"}));
    EXPECT_TRUE(view->keys.empty()) << "the accelerator consumed the key";

    // Without Ctrl the key is no accelerator and reaches the view.
    SetKeyStateForTest(VK_CONTROL, false);
    g_log.clear();
    PostMessageA(view->m_hWnd, WM_KEYDOWN, 'F', 1);
    PumpWaitingMessages();
    EXPECT_TRUE(g_log.empty());
    EXPECT_EQ(view->keys, (std::vector<UINT>{'F'}));

    // A disabled command's key is swallowed without running the command.
    view->keys.clear();
    PostMessageA(view->m_hWnd, WM_KEYDOWN, VK_F3, 1);
    PumpWaitingMessages();
    EXPECT_TRUE(g_log.empty());
    EXPECT_TRUE(view->keys.empty());
}

} // namespace
