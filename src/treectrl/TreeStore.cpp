// The item store: insertion, deletion of one item or of all, item fields,
// labels and image lists. Row counts are adjusted by what each operation
// adds or removes, never recounted.
#include "treectrl/TreeStore.h"

#include "treectrl/LabelEdit.h"
#include "treectrl/TreeExpand.h"
#include "treectrl/TreeExtent.h"
#include "treectrl/TreeHandles.h"
#include "treectrl/TreeLabels.h"
#include "treectrl/TreeLayout.h"
#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeMouse.h"
#include "treectrl/TreeNavigation.h"
#include "treectrl/TreeNotify.h"
#include "treectrl/TreeScroll.h"
#include "treectrl/TreeSelect.h"

#include "platform/Window.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace {

void LinkAfter(TreeNode* parent, TreeNode* after, TreeNode* q)
{
    assert(!q->pParent && !q->pPrev && !q->pNext);
    assert(!after || after->pParent == parent);
    q->pParent = parent;
    if (!after) {
        q->pNext = parent->pFirstChild;
        if (parent->pFirstChild)
            parent->pFirstChild->pPrev = q;
        else
            parent->pLastChild = q;
        parent->pFirstChild = q;
    } else {
        q->pPrev = after;
        q->pNext = after->pNext;
        if (after->pNext)
            after->pNext->pPrev = q;
        else
            parent->pLastChild = q;
        after->pNext = q;
    }
}

void Unlink(TreeNode* q)
{
    TreeNode* parent = q->pParent;
    assert(q->pPrev ? q->pPrev->pNext == q : parent->pFirstChild == q);
    assert(q->pNext ? q->pNext->pPrev == q : parent->pLastChild == q);
    if (q->pPrev)
        q->pPrev->pNext = q->pNext;
    else
        parent->pFirstChild = q->pNext;
    if (q->pNext)
        q->pNext->pPrev = q->pPrev;
    else
        parent->pLastChild = q->pPrev;
}

void RunDeleteHook(TreeData* td, TreeNode* node)
{
    td->m_pfnOnDelete(node, td->m_pHookData);
    td->m_nodes.Free(node);
}

// Frees the descendants of q, children in list order, each subtree
// post-order. Every node leaves its parent's list before its hook runs, so
// the tree stays consistent for a parent window that looks at it meanwhile.
void FreeDescendants(TreeData* td, TreeNode* q)
{
    TreeNode* cur = q->pFirstChild;
    while (cur) {
        if (cur->pFirstChild) {
            cur = cur->pFirstChild;
            continue;
        }
        TreeNode* parent = cur->pParent;
        TreeNode* next = cur->pNext;
        parent->pFirstChild = next;
        if (next)
            next->pPrev = nullptr;
        else
            parent->pLastChild = nullptr;
        --parent->nChildren;
        --td->m_nCount;
        assert(parent->nChildren >= 0 && td->m_nCount >= 0);
        RunDeleteHook(td, cur);
        cur = next ? next : (parent != q ? parent : nullptr);
    }
}

void FreeAllNodes(TreeData* td)
{
    if (!td->m_bDeleteNotify && td->m_pfnOnDelete == OnDeleteNode) {
        // Nobody hears of the items one by one: they all go at once.
        TreeNode& root = td->m_root;
        root.pFirstChild = root.pLastChild = nullptr;
        root.nChildren = 0;
        td->m_nCount = 0;
        td->m_nodes.Reset();
        td->m_labels.Reset();
        return;
    }
    td->m_bFreeingAll = true;
    FreeDescendants(td, &td->m_root);
    td->m_bFreeingAll = false;
    if (td->m_nCount == 0) {
        td->m_nodes.Reset();
        td->m_labels.Reset();
    }
}

// Next sibling, else the parent, else the previous sibling: who takes over
// from a deleted item.
TreeNode* Successor(TreeNode* q)
{
    if (q->pNext)
        return q->pNext;
    if (TreeNode* parent = ParentItem(q))
        return parent;
    return q->pPrev;
}

void RepaintAfterChange(TreeData* td)
{
    if (td->m_bRedraw && !UpdateScrollBars(td))
        InvalidateRect(td->m_hWnd, nullptr, TRUE);
}

void SetNodeState(TreeData* td, TreeNode* q, UINT state)
{
    // Only the presence of a state image changes the row's width.
    const bool widthChanges = ((q->state & TVIS_STATEIMAGEMASK) != 0) != ((state & TVIS_STATEIMAGEMASK) != 0);
    if (!widthChanges || !Displayed(q)) {
        q->state = state;
        return;
    }
    const int depth = Depth(q);
    ExtentItemHidden(td, q, depth);
    q->state = state;
    ExtentItemShown(td, q, depth);
}

bool WithinPageFromTop(TreeData* td, TreeNode* q)
{
    const int page = GetVisibleCount(td);
    TreeNode* p = td->m_pFirstVisible;
    for (int s = 0; p && s <= page; ++s, p = NextVisible(p)) {
        if (p == q)
            return true;
    }
    return false;
}

void SetNodeLabel(TreeData* td, TreeNode* q, const TVITEM& item)
{
    const bool shown = Displayed(q);
    const int depth = shown ? Depth(q) : 0;
    if (shown)
        ExtentItemHidden(td, q, depth);
    AssignNodeLabel(td, q, item);
    q->cxText = 0;
    if (shown)
        ExtentItemShown(td, q, depth);
}

} // namespace

TreeNode* InsertItem(TreeData* td, TreeNode* parent, HTREEITEM insertAfter, const TVITEM& item)
{
    TreeNode* p = parent ? parent : &td->m_root;
    TreeNode* after = nullptr;
    if (insertAfter == TVI_FIRST) {
        after = nullptr;
    } else if (!insertAfter || insertAfter == TVI_LAST || insertAfter == TVI_ROOT) {
        after = p->pLastChild;
    } else if (insertAfter == TVI_SORT) {
        return nullptr; // sorted insertion is not offered
    } else if (!ResolveItem(td, insertAfter, &after) || after->pParent != p) {
        return nullptr;
    }

    TreeNode* q = td->m_nodes.Allocate();
    if (!q)
        return nullptr;
    if ((item.mask & TVIF_TEXT) && !AssignNodeLabel(td, q, item)) {
        td->m_nodes.Free(q);
        return nullptr;
    }
    if (item.mask & TVIF_STATE)
        q->state = item.state;
    if (item.mask & TVIF_IMAGE)
        q->iImage = item.iImage;
    if (item.mask & TVIF_SELECTEDIMAGE)
        q->iSelectedImage = item.iSelectedImage;
    if (item.mask & TVIF_PARAM)
        q->lParam = item.lParam;

    LinkAfter(p, after, q);
    ++p->nChildren;
    ++td->m_nCount;
    if (!td->m_pFirstVisible)
        td->m_pFirstVisible = q;

    // With redraw off the counters are kept exact for items at any level
    // too, so that switching redraw on finds them right.
    if (Displayed(q)) {
        ++td->m_nVisibleCount;
        if (Above(td, q))
            ++td->m_nTopIndex;
        ExtentItemShown(td, q, Depth(q));
    }
    RepaintAfterChange(td);
    return q;
}

void DeleteItem(TreeData* td, TreeNode* q)
{
    KillTimer(td->m_hWnd, kEditTimer);
    CancelLabelEdit(td);

    const bool moveTop = td->m_pFirstVisible && InSubtree(td->m_pFirstVisible, q);
    TreeNode* newTop = moveTop ? Successor(q) : nullptr;

    bool pullUp = false;
    if (Displayed(q)) {
        const int depth = Depth(q);
        ExtentItemHidden(td, q, depth);
        int rows = 1;
        if (IsExpanded(q))
            rows += ForEachRowBelow(q, depth, [td](TreeNode* n, int d) { ExtentItemHidden(td, n, d); });
        td->m_nVisibleCount -= rows;
        if (!newTop && Above(td, q))
            td->m_nTopIndex -= rows;
        pullUp = td->m_nTopIndex + GetVisibleCount(td) > td->m_nVisibleCount;
    }

    if (td->m_pCaret && InSubtree(td->m_pCaret, q)) {
        TreeNode* oldCaret = td->m_pCaret;
        TreeNode* heir = Successor(q);
        NMTREEVIEW nm{};
        nm.action = TVC_UNKNOWN;
        FillNotifyItem(&nm.itemOld, oldCaret, kNotifyItemMask);
        FillNotifyItem(&nm.itemNew, heir, kNotifyItemMask);
        const bool vetoed = SendTreeNotify(td, TVN_SELCHANGINGA, &nm) != 0;
        td->m_pCaret = vetoed ? nullptr : heir;
        if (!vetoed && heir)
            heir->state |= TVIS_SELECTED;
        AfterCaretChange(td);
        if (!vetoed) {
            NMTREEVIEW changed{};
            changed.action = TVC_UNKNOWN;
            FillNotifyItem(&changed.itemOld, oldCaret, kNotifyItemMask);
            FillNotifyItem(&changed.itemNew, heir, kNotifyItemMask);
            SendTreeNotify(td, TVN_SELCHANGEDA, &changed);
        }
    }

    if (td->m_pPressed && InSubtree(td->m_pPressed, q))
        td->m_pPressed = nullptr;
    if (td->m_pDragItem && InSubtree(td->m_pDragItem, q))
        td->m_pDragItem = nullptr;
    if (td->m_pDropHilite && InSubtree(td->m_pDropHilite, q))
        td->m_pDropHilite = nullptr;

    FreeDescendants(td, q);
    TreeNode* parent = q->pParent;
    Unlink(q);
    RunDeleteHook(td, q);
    --parent->nChildren;
    --td->m_nCount;
    assert(parent->nChildren >= 0 && td->m_nCount >= 0);

    if (moveTop) {
        td->m_pFirstVisible = nullptr;
        SetFirstVisible(td, newTop);
    }
    if (td->m_nVisibleCount == 0) {
        td->m_pFirstVisible = nullptr;
        td->m_nTopIndex = 0;
    } else if (pullUp) {
        int row = 0;
        TreeNode* top = GetPullUpTop(td, &row);
        SetFirstVisibleAt(td, top, row);
    }
    RepaintAfterChange(td);
}

void DeleteAllItems(TreeData* td)
{
    if (TreeNode* oldCaret = td->m_pCaret) {
        NMTREEVIEW nm{};
        nm.action = TVC_UNKNOWN;
        FillNotifyItem(&nm.itemOld, oldCaret, kNotifyItemMask);
        const LRESULT answer = SendTreeNotify(td, TVN_SELCHANGINGA, &nm);
        td->m_pCaret = nullptr;
        AfterCaretChange(td);
        if (answer) {
            NMTREEVIEW changed{};
            changed.action = TVC_UNKNOWN;
            FillNotifyItem(&changed.itemOld, oldCaret, kNotifyItemMask);
            SendTreeNotify(td, TVN_SELCHANGEDA, &changed);
        }
    }
    // An edit can run without a caret (the parent refused the caret change
    // that began it) or begin while the parent answers: it must not outlive
    // its item.
    KillTimer(td->m_hWnd, kEditTimer);
    CancelLabelEdit(td);
    td->m_pFirstVisible = nullptr;
    ReleasePress(td);
    td->m_pDropHilite = nullptr;

    FreeAllNodes(td);
    td->m_nHorzPos = 0;
    td->m_nTopIndex = 0;
    td->m_nVisibleCount = 0;
    ExtentInvalidate(td);
    RepaintAfterChange(td);
}

void FreeRemainingItems(TreeData* td)
{
    td->m_pFirstVisible = nullptr;
    td->m_pCaret = nullptr;
    td->m_pPressed = td->m_pDragItem = td->m_pDropHilite = td->m_pEditItem = nullptr;
    FreeAllNodes(td);
    td->m_nVisibleCount = td->m_nTopIndex = 0;
    ExtentInvalidate(td);
}

void GetItem(TreeData* td, TreeNode* q, TVITEM* item)
{
    const TreeNode* n = q ? q : &td->m_root;
    if ((item->mask & TVIF_TEXT) && item->pszText && item->cchTextMax >= 1) {
        // Labels are shorter than INT_MAX: the sum cannot overflow.
        const int length = std::min(n->cchText + 1, item->cchTextMax) - 1;
        if (length > 0)
            std::memcpy(item->pszText, n->pszText, static_cast<std::size_t>(length));
        item->pszText[length] = '\0';
    }
    if (item->mask & TVIF_CHILDREN)
        item->cChildren = n->nChildren > 0 ? 1 : 0;
    if (item->mask & TVIF_PARAM)
        item->lParam = n->lParam;
    if (item->mask & TVIF_IMAGE)
        item->iImage = n->iImage;
    if (item->mask & TVIF_SELECTEDIMAGE)
        item->iSelectedImage = n->iSelectedImage;
    if (item->mask & TVIF_STATE)
        item->state = n->state;
}

void SetItem(TreeData* td, TreeNode* q, const TVITEM& item)
{
    bool changed = false;
    const bool labelSet = (item.mask & TVIF_TEXT) != 0;
    if (labelSet) {
        SetNodeLabel(td, q, item);
        changed = true;
    }
    if (item.mask & TVIF_STATE) {
        if (item.stateMask & TVIS_EXPANDED)
            ExpandItem(td, q, (item.state & TVIS_EXPANDED) ? TVE_EXPAND : TVE_COLLAPSE, false);
        const UINT m = item.stateMask & ~TVIS_EXPANDED;
        const UINT state = (q->state & ~m) | (item.state & m);
        if (state != q->state) {
            SetNodeState(td, q, state);
            changed = true;
        }
    }
    if (item.mask & TVIF_PARAM)
        q->lParam = item.lParam;
    if (item.mask & TVIF_IMAGE)
        q->iImage = item.iImage;
    if (item.mask & TVIF_SELECTEDIMAGE)
        q->iSelectedImage = item.iSelectedImage;

    if (!changed || !td->m_bRedraw)
        return;
    if (WithinPageFromTop(td, q)) {
        if (!UpdateScrollBars(td))
            InvalidateItem(td, q, TRUE);
    } else if (labelSet) {
        UpdateScrollBars(td);
    }
}

HIMAGELIST SetImageList(TreeData* td, WPARAM which, HIMAGELIST list)
{
    HIMAGELIST old;
    if (which == TVSIL_NORMAL) {
        old = td->m_himlNormal;
        td->m_himlNormal = list;
        UINT indent = 19;
        int cx = 0;
        int cy = 0;
        if (list && ImageList_GetIconSize(list, &cx, &cy))
            indent = std::max<UINT>(static_cast<UINT>(cx + 3), 19);
        SetIndentGeometry(td, indent);
        td->m_nItemHeight = 0;
    } else {
        old = td->m_himlState;
        td->m_himlState = list;
    }
    InvalidateRect(td->m_hWnd, nullptr, TRUE);
    return old;
}
