// CControlBar: a bar docked at an edge of its frame (toolbar, status bar).
// The frame lays bars out from its edges inwards; bars refresh the state of
// their items from the frame's command handlers when the program is idle.
#pragma once

#include "framework/Wnd.h"

class CFrameWnd;

// Bar styles, kept by the bar (not window styles).
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0040;
constexpr DWORD CBRS_GRIPPER = 0x00400000;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM;
constexpr DWORD CBRS_ALL = 0x0040FFFF;

class CControlBar : public CWnd {
public:
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle & CBRS_ALL; }
    // The edges the bar may dock at. Bars dock at the edge their alignment
    // names; they do not float.
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    DWORD GetDockingStyle() const { return m_dwDockStyle; }

    // Size of the bar docked horizontally (the frame stretches the width).
    virtual SIZE CalcFixedLayout(BOOL bStretch, BOOL bHorz) = 0;
    // Asks the target's command routing to update every item of the bar.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) = 0;

protected:
    // Splits the bar styles from the window style.
    BOOL CreateBar(const char* className, DWORD style, CWnd* pParent, UINT nID);
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM);

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;

    DECLARE_MESSAGE_MAP()
};
