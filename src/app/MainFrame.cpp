#include "app/MainFrame.h"

#include "app/EntityIndicator.h"
#include "app/KantorApp.h"
#include "framework/CmdUI.h"
#include "framework/CreateContext.h"
#include "framework/Menu.h"
#include "framework/Rect.h"
#include "framework/RuntimeClass.h"
#include "platform/Gdi.h"
#include "platform/ScopedDc.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "views/KantorDocument.h"
#include "views/KantorInverseView.h"
#include "views/KantorView.h"

#include <iterator>

namespace {

const UINT kIndicators[] = {
    res::ID_SEPARATOR,     res::ID_INDICATOR_ENTITY, res::ID_INDICATOR_CAPS,
    res::ID_INDICATOR_NUM, res::ID_INDICATOR_SCRL,
};

} // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_MESSAGE(WM_ENABLE, &CMainFrame::OnEnable)
ON_COMMAND(res::ID_SEARCH, &CMainFrame::OnSearchCommand)
ON_COMMAND(res::ID_SEARCH_AGAIN, &CMainFrame::OnSearchCommand)
ON_MESSAGE(WM_APPCOMMAND, &CMainFrame::OnAppCommand)
ON_UPDATE_COMMAND_UI(res::ID_INDICATOR_ENTITY, &CMainFrame::OnUpdateEntityIndicator)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
{
    // A menu item is disabled only by an update handler that says so.
    m_bAutoMenuEnable = FALSE;
}

CKantorView* CMainFrame::GetUpperView() const
{
    return dynamic_cast<CKantorView*>(m_wndSplitter.GetSafeHwnd() ? m_wndSplitter.GetPane(0, 0) : nullptr);
}

CKantorInverseView* CMainFrame::GetLowerView() const
{
    return dynamic_cast<CKantorInverseView*>(m_wndSplitter.GetSafeHwnd() ? m_wndSplitter.GetPane(1, 0)
                                                                         : nullptr);
}

int CMainFrame::OnCreate(CREATESTRUCTA* cs)
{
    if (CFrameWnd::OnCreate(cs) == -1)
        return -1;
    const DWORD toolBarStyle =
        WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, toolBarStyle, RECT{0, 0, 0, 0}, res::AFX_IDW_TOOLBAR)
        || !m_wndToolBar.LoadToolBar(res::IDR_MAINFRAME))
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, res::AFX_IDW_STATUS_BAR)
        || !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    SetMessageText(res::AFX_IDS_IDLEMESSAGE);
    ::SetTimer(m_hWnd, kFileCheckTimer, kFileCheckMs, nullptr);
    UpdateEntityPane();
    return 0;
}

BOOL CMainFrame::OnCreateClient(CREATESTRUCTA*, CCreateContext* pContext)
{
    if (!m_wndSplitter.CreateStatic(this, 2, 1, WS_CHILD | WS_VISIBLE, res::AFX_IDW_PANE_FIRST))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    const int cyUpper = static_cast<int>(client.Height() * kUpperPaneShare);
    // A view that cannot be made leaves its pane empty; the frame still works.
    m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CKantorView), SIZE{0, cyUpper}, pContext);
    m_wndSplitter.CreateView(1, 0, RUNTIME_CLASS(CKantorInverseView), SIZE{0, 0}, pContext);
    // The document and the views report progress to the application's
    // status bar, whichever frame holds it at the time.
    if (auto* pDocument = dynamic_cast<CKantorDocument*>(pContext ? pContext->m_pCurrentDoc : nullptr))
        pDocument->SetStatusBarSource([]() -> IProgressSink* {
            auto* pApp = dynamic_cast<CKantorApp*>(AfxGetApp());
            return pApp ? pApp->GetProgressSink() : nullptr;
        });
    return TRUE;
}

void CMainFrame::OnInitMenu(CMenu* pMenu)
{
    CFrameWnd::OnInitMenu(pMenu);
    // The viewer never writes a document.
    if (pMenu) {
        pMenu->EnableMenuItem(res::ID_FILE_SAVE, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED);
        pMenu->EnableMenuItem(res::ID_FILE_SAVE_AS, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED);
    }
}

LRESULT CMainFrame::OnEnable(WPARAM wParam, LPARAM)
{
    const LRESULT result = Default();
    HWND hFocus = ::GetFocus();
    const bool bFocusInside = hFocus && (hFocus == m_hWnd || IsChild(m_hWnd, hFocus));
    if (wParam && !bFocusInside)
        if (CView* pView = GetActiveView())
            pView->SetFocus();
    return result;
}

void CMainFrame::OnSearchCommand(UINT nID)
{
    // The active view gets commands first, so this runs only while the
    // upper view is not active: make it so and hand it the command, as an
    // accelerator would have.
    CKantorView* pUpper = GetUpperView();
    if (!pUpper)
        return;
    SetActiveView(pUpper, TRUE);
    pUpper->PostMessage(WM_COMMAND, MAKEWPARAM(nID, 1), 0);
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kFileCheckTimer)
        CheckFileOnDisk();
    else
        CFrameWnd::OnTimer(nIDEvent);
}

void CMainFrame::CheckFileOnDisk()
{
    std::string strIdleBefore;
    GetMessageString(res::AFX_IDS_IDLEMESSAGE, strIdleBefore);
    auto* pDocument = dynamic_cast<CKantorDocument*>(GetActiveDocument());
    m_strChangedFile = pDocument && pDocument->HasFileChangedOnDisk() ? pDocument->GetTitle() : std::string();
    // Nothing is reloaded by itself. The notice stands where the idle text
    // would: a prompt or a progress report in the pane is left alone, and
    // the notice shows when they give the pane back.
    const std::string strPane = m_wndStatusBar.GetWindowText();
    if (strPane == strIdleBefore || strPane == res::LoadString(res::AFX_IDS_IDLEMESSAGE))
        SetMessageText(res::AFX_IDS_IDLEMESSAGE);
}

void CMainFrame::GetMessageString(UINT nID, std::string& rMessage) const
{
    if (nID == res::AFX_IDS_IDLEMESSAGE && !m_strChangedFile.empty())
        rMessage = m_strChangedFile + res::LoadString(res::IDS_FILE_CHANGED);
    else
        CFrameWnd::GetMessageString(nID, rMessage);
}

LRESULT CMainFrame::OnAppCommand(WPARAM, LPARAM lParam)
{
    // The mouse's back and forward buttons, anywhere in the window.
    switch (GET_APPCOMMAND_LPARAM(lParam)) {
    case APPCOMMAND_BROWSER_BACKWARD:
        SendMessage(WM_COMMAND, res::ID_NAVIGATE_BACK);
        return TRUE;
    case APPCOMMAND_BROWSER_FORWARD:
        SendMessage(WM_COMMAND, res::ID_NAVIGATE_FORWARD);
        return TRUE;
    default:
        return Default();
    }
}

void CMainFrame::OnUpdateEntityIndicator(CCmdUI*)
{
    UpdateEntityPane();
}

void CMainFrame::UpdateEntityPane()
{
    const int nIndex = m_wndStatusBar.CommandToIndex(res::ID_INDICATOR_ENTITY);
    if (nIndex < 0)
        return;
    auto* pDocument = dynamic_cast<CKantorDocument*>(GetActiveDocument());
    const std::string strText = pDocument ? EntityIndicatorText(pDocument->GetKantorDoc()) : std::string();
    if (strText == m_wndStatusBar.GetPaneText(nIndex))
        return;
    // The pane is as wide as its text; without one it shows nothing, not
    // even its border.
    int cxText = 0;
    if (!strText.empty()) {
        ScopedWindowDc dc(m_wndStatusBar.GetSafeHwnd());
        HGDIOBJ hOldFont = SelectObject(dc.Dc(), m_wndStatusBar.GetFont());
        SIZE size{};
        GetTextExtentPoint32A(dc.Dc(), strText.data(), static_cast<int>(strText.size()), &size);
        SelectObject(dc.Dc(), hOldFont);
        cxText = size.cx;
    }
    m_wndStatusBar.SetPaneInfo(nIndex, res::ID_INDICATOR_ENTITY,
                               strText.empty() ? SBPS_NOBORDERS : SBPS_NORMAL, cxText);
    m_wndStatusBar.SetPaneText(nIndex, strText);
}
