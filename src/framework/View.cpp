#include "framework/View.h"

#include "framework/CmdUI.h"
#include "framework/CreateContext.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/SplitterWnd.h"
#include "platform/Gdi.h"
#include "res/Resource.h"

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_MESSAGE(WM_INITIALUPDATE, &CView::OnInitialUpdateMessage)
ON_COMMAND_RANGE(res::ID_NEXT_PANE, res::ID_PREV_PANE, &CView::OnNextPaneCmd)
ON_UPDATE_COMMAND_UI_RANGE(res::ID_NEXT_PANE, res::ID_PREV_PANE, &CView::OnUpdateNextPaneMenu)
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = RegisterFrameworkClass("LumenorView", COLOR_WINDOW);
    return TRUE;
}

int CView::OnCreate(CREATESTRUCTA* cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    auto* context = static_cast<CCreateContext*>(cs->lpCreateParams);
    if (context && context->m_pCurrentDoc)
        context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    delete this;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, CmdHandlerInfo* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, void*)
{
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this)
        SetFocus();
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

CSplitterWnd* CView::GetParentSplitter() const
{
    return dynamic_cast<CSplitterWnd*>(GetParent());
}

void CView::OnNextPaneCmd(UINT nID)
{
    if (CSplitterWnd* splitter = GetParentSplitter())
        splitter->ActivateNext(nID == res::ID_PREV_PANE);
}

void CView::OnUpdateNextPaneMenu(CCmdUI* pCmdUI)
{
    CSplitterWnd* splitter = GetParentSplitter();
    pCmdUI->Enable(splitter && splitter->CanActivateNext(pCmdUI->m_nID == res::ID_PREV_PANE));
}
