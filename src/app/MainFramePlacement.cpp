// The main window's place (position, size, maximised state) and the height
// of the upper pane, kept in the per-user settings when the window closes
// and restored when it is first shown.
#include "app/MainFrame.h"

#include "app/KantorApp.h"

#include "framework/ProfileSettings.h"
#include "framework/Rect.h"
#include "framework/WinApp.h"
#include "platform/WindowPlacement.h"

#include <climits>
#include <optional>

namespace {

const char kSection[] = "Main Window";

// Stored values outside these bounds are not a place the window had: the
// settings were edited or damaged, and the default place is used.
constexpr int kMinWidth = 200;
constexpr int kMinHeight = 150;
constexpr int kMaxExtent = 100000;

// The settings that keep the place; none where the place is not kept.
CProfileSettings* Settings()
{
    const auto* pApp = dynamic_cast<CKantorApp*>(AfxGetApp());
    return pApp && pApp->KeepsWindowPlace() ? pApp->GetProfileSettings() : nullptr;
}

std::optional<int> ReadInt(const CProfileSettings& settings, const char* entry, int nMin, int nMax)
{
    const int value = settings.GetInt(kSection, entry, INT_MIN);
    if (value < nMin || value > nMax)
        return std::nullopt;
    return value;
}

} // namespace

void CMainFrame::ActivateFrame(int nCmdShow)
{
    if (!m_bPlaceRestored) {
        m_bPlaceRestored = true;
        if (RestorePlace(nCmdShow))
            return;
    }
    CFrameWnd::ActivateFrame(nCmdShow);
}

bool CMainFrame::RestorePlace(int nCmdShow)
{
    const CProfileSettings* pSettings = Settings();
    if (!pSettings)
        return false;
    const auto left = ReadInt(*pSettings, "Left", -kMaxExtent, kMaxExtent);
    const auto top = ReadInt(*pSettings, "Top", -kMaxExtent, kMaxExtent);
    const auto width = ReadInt(*pSettings, "Width", kMinWidth, kMaxExtent);
    const auto height = ReadInt(*pSettings, "Height", kMinHeight, kMaxExtent);
    const auto maximized = ReadInt(*pSettings, "Maximized", 0, 1);
    if (!left || !top || !width || !height)
        return false;

    const bool bMaximized = maximized == 1;
    WINDOWPLACEMENT placement;
    placement.rcNormalPosition = CRect(*left, *top, *left + *width, *top + *height);
    placement.showCmd = bMaximized ? SW_SHOWMAXIMIZED : (nCmdShow == -1 ? SW_SHOW : nCmdShow);
    // A maximised window gets its size from the window system later: the
    // upper pane's height waits for it.
    m_cyUpperPending = pSettings->GetInt(kSection, "Upper Pane Height", -1);
    ::SetWindowPlacement(m_hWnd, &placement);
    if (!bMaximized)
        RestoreUpperPane();
    return true;
}

void CMainFrame::RestoreUpperPane()
{
    const int cyStored = m_cyUpperPending.value_or(-1);
    m_cyUpperPending.reset();
    if (!m_wndSplitter.GetSafeHwnd())
        return;
    // The upper pane keeps its height; without one, or with one that would
    // leave no room for the bar below it, it takes the default share.
    CRect client;
    m_wndSplitter.GetClientRect(&client);
    const bool bFits = cyStored >= 0 && cyStored <= client.Height() - CSplitterWnd::kSplitterSize;
    const int cyUpper = bFits ? cyStored : static_cast<int>(client.Height() * kUpperPaneShare);
    int cyCur = 0;
    int cyMin = 0;
    m_wndSplitter.GetRowInfo(0, cyCur, cyMin);
    m_wndSplitter.SetRowInfo(0, cyUpper, cyMin);
    m_wndSplitter.RecalcLayout();
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    if (m_cyUpperPending && nType == SIZE_MAXIMIZED)
        RestoreUpperPane();
}

void CMainFrame::SavePlace()
{
    CProfileSettings* pSettings = Settings();
    WINDOWPLACEMENT placement;
    if (!pSettings || !::GetWindowPlacement(m_hWnd, &placement))
        return;
    const RECT& rc = placement.rcNormalPosition;
    pSettings->WriteInt(kSection, "Left", rc.left);
    pSettings->WriteInt(kSection, "Top", rc.top);
    pSettings->WriteInt(kSection, "Width", rc.right - rc.left);
    pSettings->WriteInt(kSection, "Height", rc.bottom - rc.top);
    pSettings->WriteInt(kSection, "Maximized", placement.showCmd == SW_SHOWMAXIMIZED ? 1 : 0);
    if (m_wndSplitter.GetSafeHwnd()) {
        int cyCur = 0;
        int cyMin = 0;
        m_wndSplitter.GetRowInfo(0, cyCur, cyMin);
        pSettings->WriteInt(kSection, "Upper Pane Height", cyCur);
    }
    pSettings->Flush();
}

void CMainFrame::OnClose()
{
    SavePlace();
    CFrameWnd::OnClose();
}
