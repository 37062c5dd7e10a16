// Relations between items: the display sequence (items whose ancestors are
// all expanded, in pre-order), depth, subtree tests and TVM_GETNEXTITEM.
#include "treectrl/TreeNavigation.h"

TreeNode* NextVisible(const TreeNode* q)
{
    if (!q)
        return nullptr;
    if (IsExpanded(q) && q->pFirstChild)
        return q->pFirstChild;
    // The root has neither a next sibling nor a parent, which ends the climb.
    for (const TreeNode* p = q; p; p = p->pParent) {
        if (p->pNext)
            return p->pNext;
    }
    return nullptr;
}

TreeNode* PrevVisible(const TreeNode* q)
{
    if (!q)
        return nullptr;
    TreeNode* p = q->pPrev;
    if (!p)
        return ParentItem(q);
    while (IsExpanded(p) && p->pLastChild)
        p = p->pLastChild;
    return p;
}

TreeNode* LastVisible(TreeData* td)
{
    TreeNode* p = td->m_root.pLastChild;
    while (p && IsExpanded(p) && p->pLastChild)
        p = p->pLastChild;
    return p;
}

bool Displayed(const TreeNode* q)
{
    for (const TreeNode* p = q->pParent; p && p->pParent; p = p->pParent) {
        if (!IsExpanded(p))
            return false;
    }
    return true;
}

bool InSubtree(const TreeNode* node, const TreeNode* ancestor)
{
    for (const TreeNode* p = node; p; p = p->pParent) {
        if (p == ancestor)
            return true;
    }
    return false;
}

int Depth(const TreeNode* q)
{
    int depth = 0;
    for (const TreeNode* p = q->pParent; p && p->pParent; p = p->pParent)
        ++depth;
    return depth;
}

namespace {

TreeNode* TopLevelAncestor(TreeNode* q)
{
    while (q->pParent && q->pParent->pParent)
        q = q->pParent;
    return q;
}

} // namespace

bool Above(TreeData* td, TreeNode* q)
{
    TreeNode* first = td->m_pFirstVisible;
    if (!first || q == first)
        return false;
    TreeNode* a = TopLevelAncestor(first);
    TreeNode* b = TopLevelAncestor(q);
    if (a == b) {
        for (TreeNode* p = a; p; p = NextVisible(p)) {
            if (p == first)
                return false;
            if (p == q)
                return true;
        }
        return false;
    }
    // The ends of the top-level list answer at once; appending and
    // prepending many items stays cheap.
    if (!b->pNext)
        return false;
    if (!b->pPrev)
        return true;
    if (td->m_nVisibleCount - td->m_nTopIndex >= td->m_nTopIndex) {
        for (TreeNode* p = a->pPrev; p; p = p->pPrev) {
            if (p == b)
                return true;
        }
        return false;
    }
    for (TreeNode* p = a->pNext; p; p = p->pNext) {
        if (p == b)
            return false;
    }
    return true;
}

TreeNode* GetNextItem(TreeData* td, TreeNode* q, WPARAM code)
{
    switch (code) {
    case TVGN_ROOT:
        return td->m_root.pFirstChild;
    case TVGN_NEXT:
        return q ? static_cast<TreeNode*>(q->pNext) : nullptr;
    case TVGN_PREVIOUS:
        return q ? static_cast<TreeNode*>(q->pPrev) : nullptr;
    case TVGN_PARENT:
        return q ? ParentItem(q) : nullptr;
    case TVGN_CHILD:
        return q ? q->pFirstChild : td->m_root.pFirstChild;
    case TVGN_FIRSTVISIBLE:
        return td->m_pFirstVisible;
    case TVGN_NEXTVISIBLE:
        return NextVisible(q);
    case TVGN_PREVIOUSVISIBLE:
        return PrevVisible(q);
    case TVGN_DROPHILITE:
        return td->m_bTracking ? td->m_pPressed : td->m_pDropHilite;
    case TVGN_CARET:
        return td->m_pCaret;
    case TVGN_LASTVISIBLE:
        return LastVisible(td);
    default:
        return nullptr;
    }
}
