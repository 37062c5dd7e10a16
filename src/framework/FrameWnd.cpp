#include "framework/FrameWnd.h"

#include "framework/CmdUI.h"
#include "framework/ControlBar.h"
#include "framework/CreateContext.h"
#include "framework/Document.h"
#include "framework/Menu.h"
#include "framework/Rect.h"
#include "framework/ResourceRegistry.h"
#include "framework/RuntimeClass.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <algorithm>

namespace {

// Records whether a command is enabled without touching any menu or bar.
class CProbeCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override { }
    void SetText(const char*) override { }
};

std::string FirstField(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

bool IsMouseButtonDown(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN
        || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK;
}

int VirtualKeyOfIndicator(UINT id)
{
    switch (id) {
    case res::ID_INDICATOR_CAPS:
        return VK_CAPITAL;
    case res::ID_INDICATOR_NUM:
        return VK_NUMLOCK;
    default:
        return VK_SCROLL;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
ON_UPDATE_COMMAND_UI_RANGE(res::ID_VIEW_TOOLBAR, res::ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_RANGE(res::ID_VIEW_TOOLBAR, res::ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI_RANGE(res::ID_INDICATOR_CAPS, res::ID_INDICATOR_SCRL, &CFrameWnd::OnUpdateKeyIndicator)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = RegisterFrameworkClass("LumenorFrame", COLOR_3DFACE);
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_strTitle = FirstField(res::LoadString(nIDResource));
    m_bAddToTitle = (dwStyle & FWS_ADDTOTITLE) != 0;
    if (const auto* menu = FindMenuResource(nIDResource))
        m_pMenu = CMenu::CreateMenuBar(*menu);
    if (const auto* accelerators = FindAcceleratorResource(nIDResource))
        m_accelerators = *accelerators;
    if (!CreateEx(0, nullptr, m_strTitle.c_str(), dwStyle & ~FWS_ADDTOTITLE,
                  CRect(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0), pParentWnd, 0, pContext))
        return FALSE;
    if (HICON icon = FindIconResource(nIDResource)) {
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    return TRUE;
}

int CFrameWnd::OnCreate(CREATESTRUCTA* cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    HostMenuBar();
    if (!OnCreateClient(cs, static_cast<CCreateContext*>(cs->lpCreateParams)))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(CREATESTRUCTA*, CCreateContext* pContext)
{
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext, res::AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CCmdTarget* object = pContext->m_pNewViewClass->CreateObject();
    auto* view = dynamic_cast<CView*>(object);
    if (!view) {
        delete object;
        return nullptr;
    }
    // A view that fails to be created deletes itself.
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), this, nID, pContext))
        return nullptr;
    return view;
}

void CFrameWnd::HostMenuBar()
{
    if (!m_pMenu)
        return;
    m_pMenu->SetOwner(m_hWnd);
    SetWindowMenuWidget(m_hWnd, m_pMenu->GetWidget());
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

void CFrameWnd::OnDestroy()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        if (app->IsRunning())
            PostQuitMessage(0);
    }
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    // The main window leaves the screen at once, before what it holds is
    // torn down behind it.
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        ::ShowWindow(m_hWnd, SW_HIDE);
    // Closing the document destroys its frames, this one included.
    if (CDocument* doc = GetActiveDocument()) {
        doc->OnCloseDocument();
        return;
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

CView* CFrameWnd::ViewContaining(HWND hwnd) const
{
    for (HWND h = hwnd; h && h != m_hWnd; h = ::GetParent(h))
        if (auto* view = dynamic_cast<CView*>(FromHandlePermanent(h)))
            return view->GetParentFrame() == this ? view : nullptr;
    return nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* old = m_pViewActive;
    if (pViewNew == old)
        return;
    // No commands reach a view in the middle of the change.
    m_pViewActive = nullptr;
    if (bNotify && old)
        old->OnActivateView(FALSE, pViewNew, old);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew)
        pViewNew->OnActivateView(TRUE, pViewNew, old);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    if (m_pViewActive)
        return m_pViewActive->GetDocument();
    // Before a view is active: the document of the first view in the frame.
    std::vector<HWND> pending{m_hWnd};
    while (!pending.empty()) {
        HWND h = pending.back();
        pending.pop_back();
        for (HWND child = GetWindow(h, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (auto* view = dynamic_cast<CView*>(FromHandlePermanent(child)); view && view->GetDocument())
                return view->GetDocument();
            pending.push_back(child);
        }
    }
    return nullptr;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (!m_hWnd)
        return;
    CRect rect;
    GetClientRect(&rect);
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        auto* bar = dynamic_cast<CControlBar*>(FromHandlePermanent(child));
        // The frame may still be hidden: the bar's own visibility counts.
        if (!bar || !(bar->GetStyle() & WS_VISIBLE))
            continue;
        const DWORD align = bar->GetBarStyle() & CBRS_ALIGN_ANY;
        if (align & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) {
            const int cy = std::min<int>(bar->CalcFixedLayout(TRUE, TRUE).cy, std::max(0, rect.Height()));
            const int y = (align & CBRS_ALIGN_TOP) ? rect.top : rect.bottom - cy;
            bar->MoveWindow(rect.left, y, rect.Width(), cy);
            if (align & CBRS_ALIGN_TOP)
                rect.top += cy;
            else
                rect.bottom -= cy;
        } else if (align & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) {
            const int cx = std::min<int>(bar->CalcFixedLayout(TRUE, FALSE).cx, std::max(0, rect.Width()));
            const int x = (align & CBRS_ALIGN_LEFT) ? rect.left : rect.right - cx;
            bar->MoveWindow(x, rect.top, cx, rect.Height());
            if (align & CBRS_ALIGN_LEFT)
                rect.left += cx;
            else
                rect.right -= cx;
        }
    }
    if (HWND pane = GetDlgItem(static_cast<int>(res::AFX_IDW_PANE_FIRST)))
        ::MoveWindow(pane, rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height()), TRUE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    std::string title = m_strTitle;
    CDocument* doc = GetActiveDocument();
    if (bAddToTitle && m_bAddToTitle && doc)
        title = m_strTitle.empty() ? doc->GetTitle() : doc->GetTitle() + " - " + m_strTitle;
    if (GetWindowText() != title)
        SetWindowText(title);
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    if (!m_pViewActive) {
        // The first view in creation order: the pane of row 0, column 0.
        std::vector<HWND> pending{m_hWnd};
        CView* first = nullptr;
        while (!pending.empty() && !first) {
            HWND h = pending.front();
            pending.erase(pending.begin());
            for (HWND child = GetWindow(h, GW_CHILD); child && !first;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                first = dynamic_cast<CView*>(FromHandlePermanent(child));
                pending.push_back(child);
            }
        }
        if (first)
            SetActiveView(first, FALSE);
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    // A new frame's message pane starts with the idle text.
    if (CWnd* bar = GetMessageBar(); bar && bar->GetWindowText().empty())
        SetMessageText(res::AFX_IDS_IDLEMESSAGE);
    if (bMakeVisible) {
        ActivateFrame();
        if (m_pViewActive)
            m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow);
}

CWnd* CFrameWnd::GetMessageBar() const
{
    return FromHandlePermanent(GetDlgItem(static_cast<int>(res::AFX_IDW_STATUS_BAR)));
}

void CFrameWnd::SetMessageText(const std::string& text)
{
    if (CWnd* bar = GetMessageBar())
        bar->SetWindowText(text);
}

void CFrameWnd::SetMessageText(UINT nID)
{
    std::string message;
    GetMessageString(nID, message);
    SetMessageText(message);
}

void CFrameWnd::GetMessageString(UINT nID, std::string& rMessage) const
{
    // A prompt is the text up to the line feed; the tooltip follows it.
    rMessage = FirstField(res::LoadString(nID));
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    if (wParam)
        SetMessageText(static_cast<UINT>(wParam));
    else
        SetMessageText(lParam ? std::string(reinterpret_cast<const char*>(lParam)) : std::string());
    return 0;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, CMenu* pMenu)
{
    if (nFlags == MF_MENUCLOSED && !pMenu)
        SetMessageText(res::AFX_IDS_IDLEMESSAGE);
    else if ((nFlags & MF_POPUP) || nItemID == 0)
        SetMessageText(std::string());
    else
        SetMessageText(nItemID);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT)
{
    if (!pPopupMenu)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
            continue;
        // An update handler may insert items (the recent-file list) and
        // move m_nIndex and m_nIndexMax accordingly.
        state.DoUpdate(this, m_bAutoMenuEnable);
    }
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0) {
        CProbeCmdUI probe;
        probe.m_nID = LOWORD(wParam);
        probe.DoUpdate(this, m_bAutoMenuEnable);
        if (!probe.m_bEnabled)
            return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, CmdHandlerInfo* pHandlerInfo)
{
    // The view passes what it does not handle to its document.
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    // A click in a view makes it the active view before the view sees it.
    if (IsMouseButtonDown(pMsg->message))
        if (CView* view = ViewContaining(pMsg->hwnd); view && view != m_pViewActive)
            SetActiveView(view);
    return !m_accelerators.empty() && TranslateAccelerator(m_hWnd, m_accelerators, *pMsg);
}

void CFrameWnd::OnDropFiles(HDROP hDrop)
{
    // One document at a time: the first dropped file is opened.
    std::string path;
    if (DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0) > 0) {
        const UINT length = DragQueryFileA(hDrop, 0, nullptr, 0);
        path.resize(length + 1);
        path.resize(DragQueryFileA(hDrop, 0, path.data(), length + 1));
    }
    DragFinish(hDrop);
    if (CWinApp* app = AfxGetApp(); app && !path.empty())
        app->OpenDocumentFile(path.c_str());
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
}

void CFrameWnd::DockControlBar(CControlBar* pBar)
{
    // Bars dock at the first edge both the bar and the frame allow, top first.
    const DWORD allowed = pBar->GetDockingStyle() & m_dwDockStyle;
    for (DWORD edge : {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT}) {
        if (allowed & edge) {
            pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | edge);
            break;
        }
    }
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL)
{
    pBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const
{
    return dynamic_cast<CControlBar*>(FromHandlePermanent(GetDlgItem(static_cast<int>(nID))));
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* bar = GetControlBar(pCmdUI->m_nID);
    pCmdUI->Enable(bar != nullptr);
    pCmdUI->SetCheck(bar && (bar->GetStyle() & WS_VISIBLE));
}

void CFrameWnd::OnBarCheck(UINT nID)
{
    if (CControlBar* bar = GetControlBar(nID))
        ShowControlBar(bar, !(bar->GetStyle() & WS_VISIBLE), FALSE);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetKeyState(VirtualKeyOfIndicator(pCmdUI->m_nID)) & 1);
}
