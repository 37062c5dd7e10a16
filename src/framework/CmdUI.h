// An update request for one command's user interface: a menu item, a
// toolbar button or a status-bar pane. Update handlers enable, check or
// relabel it; DoUpdate routes the request like the command itself.
#pragma once

#include "platform/WinTypes.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
public:
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0; // position in the menu or bar
    UINT m_nIndexMax = 0; // number of items; a handler that inserts items updates both
    CMenu* m_pMenu = nullptr;
    CWnd* m_pOther = nullptr; // the bar, when not a menu
    BOOL m_bEnableChanged = FALSE;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetText(const char* text);

    // Asks the target's routing for an update handler. When none runs and
    // bDisableIfNoHandler is set, the item is disabled unless a command
    // handler exists. TRUE when an update handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);
};
