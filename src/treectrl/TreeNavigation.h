// Navigation through the item tree and the display sequence (the items
// whose ancestors are all expanded, in pre-order).
#pragma once

#include "treectrl/TreeData.h"

inline bool IsExpanded(const TreeNode* q)
{
    return (q->state & TVIS_EXPANDED) != 0;
}
// The parent as an item: null for a top-level item.
inline TreeNode* ParentItem(const TreeNode* q)
{
    TreeNode* p = q->pParent;
    return p && p->pParent ? p : nullptr;
}
TreeNode* NextVisible(const TreeNode* q);
TreeNode* PrevVisible(const TreeNode* q);
TreeNode* LastVisible(TreeData* td);
// Every ancestor up to the root is expanded.
bool Displayed(const TreeNode* q);
// q comes before the first visible item in the display sequence.
bool Above(TreeData* td, TreeNode* q);
// node is ancestor or one of its descendants.
bool InSubtree(const TreeNode* node, const TreeNode* ancestor);
int Depth(const TreeNode* q);
TreeNode* GetNextItem(TreeData* td, TreeNode* q, WPARAM code);

// Visits the rows that q's children occupy when q is expanded (pre-order,
// into expanded children only) with their depth; returns their number.
template <typename Visit>
int ForEachRowBelow(TreeNode* q, int depth, Visit visit)
{
    int rows = 0;
    TreeNode* p = q->pFirstChild;
    int d = depth + 1;
    while (p) {
        ++rows;
        visit(p, d);
        if (IsExpanded(p) && p->pFirstChild) {
            p = p->pFirstChild;
            ++d;
            continue;
        }
        while (p != q && !p->pNext) {
            p = p->pParent;
            --d;
        }
        if (p == q)
            break;
        p = p->pNext;
    }
    return rows;
}
inline int RowsBelow(TreeNode* q)
{
    return ForEachRowBelow(q, 0, [](TreeNode*, int) {});
}
// Rows below q that are displayed now: RowsBelow when q is expanded, else 0.
inline int DisplayedRowsBelow(TreeNode* q)
{
    return IsExpanded(q) ? RowsBelow(q) : 0;
}
