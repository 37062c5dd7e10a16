// CView: a window that shows a document, inside a frame or a splitter
// pane. Commands reach the active view first, then its document.
#pragma once

#include "framework/Wnd.h"

class CDocument;
class CSplitterWnd;

class CView : public CWnd {
public:
    CView() = default;
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // After a new document or an opened file; the default calls OnUpdate once.
    virtual void OnInitialUpdate();
    // The document changed; pSender is the view that changed it (or null).
    virtual void OnUpdate(CView* pSender, LPARAM lHint, void* pHint);
    // The frame's active view changed; the view that becomes active takes
    // the focus.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, CmdHandlerInfo* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    // The splitter this view is a pane of, or null.
    CSplitterWnd* GetParentSplitter() const;

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnDestroy() override;
    void PostNcDestroy() override;

    // Next pane (F6) and previous pane (Shift+F6) of the splitter.
    void OnNextPaneCmd(UINT nID);
    void OnUpdateNextPaneMenu(CCmdUI* pCmdUI);
    LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

    CDocument* m_pDocument = nullptr;
    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};
