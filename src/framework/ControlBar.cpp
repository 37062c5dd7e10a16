#include "framework/ControlBar.h"

#include "framework/FrameWnd.h"
#include "framework/Rect.h"

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

BOOL CControlBar::CreateBar(const char* className, DWORD style, CWnd* pParent, UINT nID)
{
    m_dwStyle = style & CBRS_ALL;
    return CreateEx(0, className, nullptr, (style & ~CBRS_ALL) | WS_CHILD, CRect(), pParent, nID);
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (!IsWindowVisible())
        return 0;
    if (CFrameWnd* frame = GetParentFrame())
        OnUpdateCmdUI(frame, frame->m_bAutoMenuEnable);
    return 0;
}
