// CFrameWnd: a top-level window with a menu bar, docked control bars and a
// client pane (a view or a splitter with id AFX_IDW_PANE_FIRST). It keeps
// the active view, routes commands (active view, its document, the frame,
// the application), translates accelerators, shows prompts in the status
// bar's message pane, and forms its title from the document's.
#pragma once

#include "framework/Accelerators.h"
#include "framework/Wnd.h"

#include <memory>
#include <string>
#include <vector>

class CControlBar;
class CDocument;
class CView;
struct CCreateContext;
struct CRuntimeClass;

// Frame style (stripped before the window is made): the document's title
// comes before the frame's own title.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Menu items and bar buttons without a handler are disabled.
    BOOL m_bAutoMenuEnable = TRUE;

    // Loads the title (first field of string nIDResource), menu and
    // accelerators of the resource id and creates the window. On failure
    // the frame has deleted itself.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    CView* GetActiveView() const { return m_pViewActive; }
    // With bNotify the old and the new view get OnActivateView.
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();

    // Bars at the edges, the menu bar at the top, the client in the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // Sends WM_INITIALUPDATE to every view, makes a view active, shows the frame.
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    // The message pane of the status bar (window id AFX_IDW_STATUS_BAR).
    void SetMessageText(const std::string& text);
    void SetMessageText(UINT nID);
    // The prompt of command nID (or the text of string nID) shown in the
    // message pane: the string's text up to its line feed.
    virtual void GetMessageString(UINT nID, std::string& rMessage) const;
    CWnd* GetMessageBar() const;

    CMenu* GetMenu() const { return m_pMenu.get(); }
    const std::vector<ACCEL>& GetAccelerators() const { return m_accelerators; }

    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CControlBar* pBar);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID) const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, CmdHandlerInfo* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

protected:
    // Creates the client: by default one view of the context's view class.
    virtual BOOL OnCreateClient(CREATESTRUCTA* cs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID);

    int OnCreate(CREATESTRUCTA* cs) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnClose() override;
    void OnDestroy() override;
    void PostNcDestroy() override;
    void OnDropFiles(HDROP hDrop) override;
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex) override;
    void OnMenuSelect(UINT nItemID, UINT nFlags, CMenu* pMenu) override;
    // Commands from a menu or an accelerator are ignored while disabled.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    void OnBarCheck(UINT nID);
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    std::string m_strTitle;
    BOOL m_bAddToTitle = FALSE;
    CView* m_pViewActive = nullptr;
    std::unique_ptr<CMenu> m_pMenu;
    std::vector<ACCEL> m_accelerators;
    DWORD m_dwDockStyle = 0;

    DECLARE_MESSAGE_MAP()

private:
    // The menu bar sits above the client area, outside it.
    void HostMenuBar();
    CView* ViewContaining(HWND hwnd) const;
};
