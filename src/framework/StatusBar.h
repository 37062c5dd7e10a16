// CStatusBar: the bar at the bottom of a frame with a row of panes. The
// first pane (the message pane) stretches and shows the bar's window text;
// the others show indicator texts (string of their id) while enabled.
#pragma once

#include "framework/CmdUI.h"
#include "framework/ControlBar.h"
#include "res/Resource.h"

#include <string>
#include <vector>

constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = 0x0100;
constexpr UINT SBPS_POPOUT = 0x0200;
constexpr UINT SBPS_DISABLED = 0x04000000;
constexpr UINT SBPS_STRETCH = 0x08000000;

class CStatusBar : public CControlBar {
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = res::AFX_IDW_STATUS_BAR);
    // One pane per id; a separator (0) is an empty pane, the first one
    // stretches. Other panes are as wide as their indicator text.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    UINT GetItemID(int nIndex) const;
    int CommandToIndex(UINT nID) const;
    void GetItemRect(int nIndex, RECT* rect) const;
    // A pane's id, style and text width in pixels (the pane adds its margins).
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    std::string GetPaneText(int nIndex) const;
    // Repaints the pane only when the text changes.
    BOOL SetPaneText(int nIndex, const std::string& text, BOOL bUpdate = TRUE);

    SIZE CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;
    // The window text is the message pane's text.
    LRESULT OnSetText(WPARAM, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM, LPARAM);

    // Draws the panes (borders and texts) on a device context.
    void DrawPanes(HDC hdc) const;

    struct Pane {
        UINT nID = 0;
        UINT nStyle = SBPS_NORMAL;
        int cxText = 0;
        std::string strText;
    };
    std::vector<Pane> m_panes;

    DECLARE_MESSAGE_MAP()

private:
    std::vector<RECT> PaneRects() const;
};

// An update request for one pane: Enable shows or hides the indicator
// text, SetCheck pops the pane out, SetText sets its text.
class CStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(const char* text) override;
};
