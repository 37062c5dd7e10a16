// CToolBar: a row of flat buttons, each giving a command id, with
// separators between groups. A button shows its image, drawn in the
// screen's own pixels; the mouse over it raises it, shows its tooltip (the text
// after the line feed of the command's prompt) and, with CBRS_FLYBY, its
// prompt in the frame's message pane. A click sends the command to the
// frame.
#pragma once

#include "framework/CmdUI.h"
#include "framework/ControlBar.h"
#include "res/Resource.h"

#include <vector>

constexpr DWORD TBSTYLE_FLAT = 0x0800;

// Button styles.
constexpr UINT TBBS_BUTTON = 0x0000;
constexpr UINT TBBS_SEPARATOR = 0x0001;
constexpr UINT TBBS_CHECKED = 0x0100;
constexpr UINT TBBS_DISABLED = 0x0400;

class CToolBar : public CControlBar {
public:
    CToolBar();
    ~CToolBar() override;

    // rcBorders: extra space around the buttons (left, top, right, bottom).
    // Buttons are always flat; TBSTYLE_FLAT is accepted for that.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, RECT rcBorders = {},
                  UINT nID = res::AFX_IDW_TOOLBAR);
    // Buttons and images of a registered toolbar resource.
    BOOL LoadToolBar(UINT nIDResource);
    // Command ids in order, 0 for a separator.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    // The buttons' images (copied), one per button that is no separator, in
    // order; none for buttons without images.
    BOOL SetImages(const std::vector<HICON>& images);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    int GetCount() const { return static_cast<int>(m_buttons.size()); }
    UINT GetItemID(int nIndex) const;
    int CommandToIndex(UINT nID) const;
    void GetItemRect(int nIndex, RECT* rect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    // The window of the bar's tooltips, or null without CBRS_TOOLTIPS.
    HWND GetToolTips() const { return m_hWndToolTip; }

    SIZE CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnDestroy() override;
    void OnPaint() override;
    void OnMouseMove(UINT nFlags, POINT point) override;
    void OnMouseLeave() override;
    void OnLButtonDown(UINT nFlags, POINT point) override;
    void OnLButtonUp(UINT nFlags, POINT point) override;
    void OnCaptureChanged(HWND hNewCapture) override;

    // The index of the enabled, non-separator button under the point, or -1.
    int HitTest(POINT point) const;
    void DrawButton(HDC hdc, int nIndex) const;
    void SetHot(int nIndex);
    void AddToolTips();

    struct Button {
        UINT nID = 0;
        UINT nStyle = TBBS_BUTTON;
        int iImage = -1;
    };
    std::vector<Button> m_buttons;
    SIZE m_sizeButton{23, 22};
    SIZE m_sizeImage{16, 15};
    RECT m_rcBorders{};
    HIMAGELIST m_hImageList = nullptr;
    HWND m_hWndToolTip = nullptr;
    int m_nHot = -1;
    int m_nPressed = -1;
    bool m_bTracking = false;
};

// An update request for one button: enable and check it.
class CToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
};
