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

#include <optional>
#include <string>

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

    // The timer that looks at the open file on disk, and how often.
    static constexpr UINT_PTR kFileCheckTimer = 1;
    static constexpr UINT kFileCheckMs = 1000;
    // While the open file differs from what was read, the message pane's
    // idle text says so ("NAME changed on disk - F5 reloads").
    void GetMessageString(UINT nID, std::string& rMessage) const override;
    // The status bar's entity pane: what the current entity is and how many
    // entities refer to it, as far as the inverse computation has come.
    void UpdateEntityPane();

    // Share of the client height that the upper view starts with.
    static constexpr double kUpperPaneShare = 0.8;
    // The first time: at the place kept in the settings, if any.
    void ActivateFrame(int nCmdShow = -1) override;

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    BOOL OnCreateClient(CREATESTRUCTA* cs, CCreateContext* pContext) override;
    void OnInitMenu(CMenu* pMenu) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void CheckFileOnDisk();
    // Enabled again at the end of a modal dialog: the keyboard goes back to
    // the active view, as the window system gives it back to the owner.
    LRESULT OnEnable(WPARAM wParam, LPARAM lParam);
    // Search and Search again while the upper view is not the active view.
    void OnSearchCommand(UINT nID);
    // The mouse's back and forward buttons: Back and Forward.
    LRESULT OnAppCommand(WPARAM wParam, LPARAM lParam);
    void OnUpdateEntityIndicator(CCmdUI* pCmdUI);

    CSplitterWnd m_wndSplitter;
    CProgressStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CStatusBarProgressSink m_progressSink{m_wndStatusBar};
    // The name of the open file while it has changed on disk, else empty.
    std::string m_strChangedFile;

    // The window's place and the upper pane's height, kept in the settings
    // when the window closes (MainFramePlacement.cpp).
    void OnClose() override;
    void OnSize(UINT nType, int cx, int cy) override;
    bool RestorePlace(int nCmdShow);
    void RestoreUpperPane();
    void SavePlace();
    bool m_bPlaceRestored = false;
    // The stored height (-1: none) while the restored window waits for its size.
    std::optional<int> m_cyUpperPending;

    DECLARE_MESSAGE_MAP()
};
