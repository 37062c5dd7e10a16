// CWnd: the framework's object for one window. The object and the window
// find each other through a window property; the object's WindowProc sees
// every message first (through a subclassing procedure), dispatches it to
// its message map or to the virtual handlers below, and passes the rest on
// to the procedure it replaced (DefWindowProc).
#pragma once

#include "framework/CmdTarget.h"
#include "platform/Window.h"

#include <string>

struct CCreateContext;
class CFrameWnd;
class CMenu;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to a window, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Creation. The object is attached before the window's creation messages
    // are sent, so OnCreate runs on it. On failure objects that delete
    // themselves in PostNcDestroy (frames, views) are already deleted.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* pParent, UINT nID, void* lpParam = nullptr);
    virtual BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                        CWnd* pParent, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL DestroyWindow();

    // Attaches this object to an existing window and routes its messages
    // through WindowProc, the old procedure kept for DefWindowProc.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep = TRUE) const;
    // Offered every message for this window or a descendant before it is
    // dispatched; TRUE consumes it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes the message being handled on to DefWindowProc.
    LRESULT Default();

    // Relatives.
    CWnd* GetParent() const;
    CFrameWnd* GetParentFrame() const;
    HWND GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;

    // Text, font, style.
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void SetFont(HFONT font, BOOL bRedraw = TRUE);
    HFONT GetFont() const;
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add);

    // Visibility, geometry, painting, focus.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL bRepaint = TRUE);
    void MoveWindow(const RECT& rect, BOOL bRepaint = TRUE);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL bErase = TRUE);
    void UpdateWindow();
    HWND SetFocus();
    void DragAcceptFiles(BOOL bAccept = TRUE);

protected:
    // Runs once the object is attached, before the first message (creation
    // or subclassing).
    virtual void PreSubclassWindow();
    // Called after the window's last message; frames and views delete
    // themselves here.
    virtual void PostNcDestroy();

    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // WM_COMMAND: routes the command (code CN_COMMAND for menus and
    // accelerators) through OnCmdMsg.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: the message-map entry for the code and control id; its
    // result is the message's result.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification or colour request of this control, handed back by its
    // parent before the parent handles it: the map's reflected entries
    // (ON_CONTROL_REFLECT, ON_WM_CTLCOLOR_REFLECT). TRUE when handled; the
    // parent then answers *pResult.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Handlers of common messages; each default passes the message on.
    virtual int OnCreate(CREATESTRUCTA* cs);
    virtual void OnDestroy();
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(HDC hdc);
    virtual void OnSetFocus(HWND hOldWnd);
    virtual void OnKillFocus(HWND hNewWnd);
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual void OnClose();
    virtual void OnMouseMove(UINT nFlags, POINT point);
    virtual void OnLButtonDown(UINT nFlags, POINT point);
    virtual void OnLButtonUp(UINT nFlags, POINT point);
    virtual void OnLButtonDblClk(UINT nFlags, POINT point);
    virtual void OnRButtonDown(UINT nFlags, POINT point);
    virtual void OnRButtonUp(UINT nFlags, POINT point);
    virtual void OnRButtonDblClk(UINT nFlags, POINT point);
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnMouseLeave();
    virtual void OnCaptureChanged(HWND hNewCapture);
    virtual BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message);
    virtual void OnDropFiles(HDROP hDrop);
    virtual void OnInitMenu(CMenu* pMenu);
    virtual void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex);
    virtual void OnMenuSelect(UINT nItemID, UINT nFlags, CMenu* pMenu);

    WNDPROC m_pfnSuper = nullptr;

private:
    static LRESULT WndProcThunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd);
    void Detach();
    BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL DispatchCommonMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

// Registers (once) a window class of the framework with the given
// background colour index and returns its name.
const char* RegisterFrameworkClass(const char* name, int backgroundColor);
