// Keyboard commands (WM_KEYDOWN): caret movement, expand and collapse,
// scrolling with Ctrl, and the beep for typing keys that do nothing.
#include "treectrl/TreeKeyboard.h"

#include "treectrl/TreeExpand.h"
#include "treectrl/TreeLayout.h"
#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeNavigation.h"
#include "treectrl/TreeScroll.h"
#include "treectrl/TreeSelect.h"

#include "platform/Window.h"

namespace {

// Scrolls t into view if it is not (at the top when above, in the last whole
// row when below), then makes it the caret. A hidden t is brought into view
// by the selection itself.
void MoveCaretTo(TreeData* td, TreeNode* t)
{
    if (!t)
        return;
    const int row = GetItemRow(td, t);
    if (row >= 0) {
        const int h = static_cast<int>(GetItemHeight(td));
        const RECT client = ClientRect(td);
        const int top = (row - td->m_nTopIndex) * h;
        if (top < client.top)
            ScrollVertTo(td, row);
        else if (top + h >= client.bottom)
            ScrollVertTo(td, row + 1 - GetVisibleCount(td));
    }
    SelectItem(td, t, TVGN_CARET, false);
}

TreeNode* StepRows(TreeNode* from, int rows, TreeNode* (*step)(const TreeNode*))
{
    TreeNode* p = from;
    for (int i = 0; i < rows; ++i) {
        TreeNode* next = step(p);
        if (!next)
            break;
        p = next;
    }
    return p;
}

bool BeepsWhenUnhandled(WPARAM key)
{
    return key == VK_SPACE || (key >= 0x30 && key <= 0x39) || (key >= 0x41 && key <= 0x5A)
        || (key >= 0xBA && key <= 0xC0) || (key >= 0xDB && key <= 0xDE);
}

LRESULT NotHandled(TreeData* td, WPARAM key)
{
    if (td->m_pFirstVisible && BeepsWhenUnhandled(key))
        MessageBeep(0xFFFFFFFF);
    return 1;
}

LRESULT OnCtrlKey(TreeData* td, WPARAM key)
{
    switch (key) {
    case VK_PRIOR:
        ScrollBy(td, SB_VERT, SB_PAGEUP);
        return 0;
    case VK_NEXT:
        ScrollBy(td, SB_VERT, SB_PAGEDOWN);
        return 0;
    case VK_LEFT:
        ScrollBy(td, SB_HORZ, SB_LINELEFT);
        return 0;
    case VK_RIGHT:
        ScrollBy(td, SB_HORZ, SB_LINERIGHT);
        return 0;
    default:
        return NotHandled(td, key);
    }
}

} // namespace

LRESULT OnKeyDown(TreeData* td, WPARAM key)
{
    if (GetKeyState(VK_CONTROL) < 0)
        return OnCtrlKey(td, key);
    TreeNode* caret = td->m_pCaret;
    if (!caret)
        return 0;
    const int page = GetVisibleCount(td);
    switch (key) {
    case VK_UP:
        MoveCaretTo(td, PrevVisible(caret));
        return 0;
    case VK_DOWN:
        MoveCaretTo(td, NextVisible(caret));
        return 0;
    case VK_PRIOR:
        MoveCaretTo(td, StepRows(caret, page - 1, PrevVisible));
        return 0;
    case VK_NEXT:
        MoveCaretTo(td, StepRows(caret, page - 1, NextVisible));
        return 0;
    case VK_LEFT:
        if (IsExpanded(caret))
            ExpandItem(td, caret, TVE_COLLAPSE, true);
        else
            MoveCaretTo(td, ParentItem(caret));
        return 0;
    case VK_RIGHT:
        if (!caret->pFirstChild)
            return 0;
        if (IsExpanded(caret))
            SelectItem(td, caret->pFirstChild, TVGN_CARET, false);
        else
            ExpandItem(td, caret, TVE_EXPAND, true);
        return 0;
    case VK_ADD:
        if (!IsExpanded(caret))
            ExpandItem(td, caret, TVE_EXPAND, true);
        return 0;
    case VK_SUBTRACT:
        if (IsExpanded(caret))
            ExpandItem(td, caret, TVE_COLLAPSE, true);
        return 0;
    default:
        return NotHandled(td, key);
    }
}
