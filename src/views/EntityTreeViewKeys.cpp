// The keys both views take before their tree sees them. The tree stays as
// it is: only keys it leaves unhandled (Home, End, the number pad's *) or
// answers with a beep (the main keyboard's +, - and *, #) are taken.
#include "views/EntityTreeView.h"

#include "views/KantorDocument.h"

#include "platform/PeekMessage.h"

#include <algorithm>

BOOL CEntityTreeView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd && pMsg->hwnd == GetTreeHwnd()
        && OnTreeKey(static_cast<UINT>(pMsg->wParam)))
        return TRUE;
    return CView::PreTranslateMessage(pMsg);
}

bool CEntityTreeView::OnTreeKey(UINT nKey)
{
    // With Ctrl held the tree scrolls or beeps; those keys stay its own.
    if (GetKeyState(VK_CONTROL) < 0 || nKey == VK_ADD || nKey == VK_SUBTRACT)
        return false;
    // The character the key types decides, whatever the keyboard's layout.
    MSG typed;
    const HWND hTree = GetTreeHwnd();
    const int nChar =
        PeekMessageA(&typed, hTree, WM_CHAR, WM_CHAR, PM_NOREMOVE) ? static_cast<int>(typed.wParam) : 0;
    HTREEITEM hCaret = GetNextItem(nullptr, TVGN_CARET);
    if (nKey == VK_HOME || nKey == VK_END) {
        if (HTREEITEM hItem = GetNextItem(nullptr, nKey == VK_HOME ? TVGN_ROOT : TVGN_LASTVISIBLE))
            SelectCaret(hItem);
    } else if (nKey == VK_MULTIPLY || nChar == '*') {
        if (hCaret)
            UnfoldAll(hCaret);
    } else if (nChar == '+' || nChar == '-') {
        SendTree(WM_KEYDOWN, nChar == '+' ? VK_ADD : VK_SUBTRACT, 1);
    } else if (nChar == '#') {
        PeekMessageA(&typed, hTree, WM_CHAR, WM_CHAR, PM_REMOVE);
        // The digits typed next go into the dialog's field, after the #.
        if (CKantorDocument* pDocument = GetKantorDocument())
            pDocument->GoToEntityDialog("#");
        return true;
    } else {
        return false;
    }
    if (nChar)
        PeekMessageA(&typed, hTree, WM_CHAR, WM_CHAR, PM_REMOVE);
    return true;
}

void CEntityTreeView::UnfoldAll(HTREEITEM hItem)
{
    std::vector<std::int32_t> path;
    std::size_t nBudget = kUnfoldAllLimit;
    UnfoldBelow(hItem, path, nBudget);
}

void CEntityTreeView::UnfoldBelow(HTREEITEM hItem, std::vector<std::int32_t>& path, std::size_t& nBudget)
{
    if (nBudget == 0)
        return;
    --nBudget;
    ExpandItem(hItem);
    path.push_back(EntityOfItem(hItem));
    for (HTREEITEM hChild = GetNextItem(hItem, TVGN_CHILD); hChild && nBudget > 0;
         hChild = GetNextItem(hChild, TVGN_NEXT)) {
        // References can run in a circle; an entity above is not unfolded
        // again.
        if (std::find(path.begin(), path.end(), EntityOfItem(hChild)) == path.end())
            UnfoldBelow(hChild, path, nBudget);
    }
    path.pop_back();
}
