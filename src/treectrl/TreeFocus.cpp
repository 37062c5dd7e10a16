// Focus, capture loss and the control's two timers.
#include "treectrl/TreeFocus.h"

#include "treectrl/LabelEdit.h"
#include "treectrl/TreeLayout.h"
#include "treectrl/TreeMouse.h"
#include "treectrl/TreeSelect.h"

#include "platform/Window.h"

namespace {

// A tracked press ends without its button-up: a left press still selects
// its item, a right press leaves at least a caret behind.
void EndInterruptedPress(TreeData* td)
{
    if (td->m_bLeftButton) {
        TreeNode* item = td->m_pDragItem;
        ReleasePress(td);
        if (item)
            SelectItem(td, item, TVGN_CARET, false);
    } else {
        CancelPress(td);
        if (!td->m_pCaret && td->m_pFirstVisible)
            SelectItem(td, td->m_pFirstVisible, TVGN_CARET, false);
    }
}

} // namespace

void OnSetFocus(TreeData* td)
{
    if (td->m_pCaret)
        InvalidateItem(td, td->m_pCaret, FALSE);
    else if (td->m_pFirstVisible)
        SelectItem(td, td->m_pFirstVisible, TVGN_CARET, false);
}

void OnKillFocus(TreeData* td)
{
    if (td->m_bTracking)
        EndInterruptedPress(td);
    else
        InvalidateItem(td, td->m_pCaret, FALSE);
}

void OnCaptureChanged(TreeData* td)
{
    if (td->m_bTracking)
        EndInterruptedPress(td);
}

void OnTimer(TreeData* td, UINT_PTR id)
{
    if (id == kScrollTimer) {
        KillTimer(td->m_hWnd, kScrollTimer);
        EnsureItemVisible(td, td->m_pCaret, false);
    } else if (id == kEditTimer) {
        KillTimer(td->m_hWnd, kEditTimer);
        if (td->m_pCaret)
            EditLabel(td, td->m_pCaret);
    }
}
