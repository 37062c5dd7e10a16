// CMainFrame: Lumenor's only top-level window. A toolbar, the progress
// status bar and, as the client, a static splitter with the upper view
// (CKantorView) over the lower view (CKantorInverseView). Search and Search
// again always reach the upper view.
#pragma once

#include "app/ProgressStatusBar.h"
#include "app/StatusBarProgressSink.h"
#include "framework/FrameWnd.h"
#include "framework/SplitterWnd.h"
#include "framework/ToolBar.h"

class CKantorView;
class CKantorInverseView;

class CMainFrame : public CFrameWnd {
public:
    CMainFrame();

    CProgressStatusBar* GetStatusBar() { return &m_wndStatusBar; }
    // The status bar in the terms of the model, for the document.
    IProgressSink* GetProgressSink() { return &m_progressSink; }
    CToolBar& GetToolBar() { return m_wndToolBar; }
    CSplitterWnd& GetSplitter() { return m_wndSplitter; }
    // The views of the two panes; null before the client is made.
    CKantorView* GetUpperView() const;
    CKantorInverseView* GetLowerView() const;

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    BOOL OnCreateClient(CREATESTRUCTA* cs, CCreateContext* pContext) override;
    void OnInitMenu(CMenu* pMenu) override;
    // Enabled again at the end of a modal dialog: the keyboard goes back to
    // the active view, as the window system gives it back to the owner.
    LRESULT OnEnable(WPARAM wParam, LPARAM lParam);
    // Search and Search again while the upper view is not the active view.
    void OnSearchCommand(UINT nID);

    CSplitterWnd m_wndSplitter;
    CProgressStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CStatusBarProgressSink m_progressSink{m_wndStatusBar};

    DECLARE_MESSAGE_MAP()
};
