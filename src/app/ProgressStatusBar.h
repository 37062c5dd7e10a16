// CProgressStatusBar: the main window's status bar, which can switch into a
// progress mode: a progress bar and a label over its left part, and none of
// its panes painted. Loading and tree building show their progress here;
// the message pane (the bar's window text) carries other progress texts.
#pragma once

#include "framework/Controls.h"
#include "framework/StatusBar.h"

#include <string>

class CProgressStatusBar : public CStatusBar {
public:
    CProgressStatusBar() = default;

    // Sets the label; in progress mode also lays out and repaints at once.
    void SetProgressText(const std::string& text);
    // Switches progress mode on (children laid out and shown) or off
    // (children hidden, panes painted again); repaints at once.
    void ShowProgress(BOOL bShow);
    // The progress bar, to which users send PBM_SETRANGE32, PBM_SETSTEP and
    // PBM_STEPIT.
    CProgressCtrl& GetProgressCtrl() { return m_wndProgress; }

    BOOL IsProgressMode() const { return m_bProgressMode; }
    CStatic& GetProgressLabel() { return m_wndText; }

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnPaint() override;
    // Places the bar at the left and the label after it, without repainting.
    void RepositionControls();
    // Invalidates the whole bar with background erase and paints it now.
    void RepaintNow();

    CProgressCtrl m_wndProgress;
    CStatic m_wndText;
    BOOL m_bProgressMode = FALSE;
    int m_nProgressWidth = 160;
};
