// Sorting one child list (TVM_SORTCHILDREN) and the label comparison.
#include "treectrl/TreeSort.h"

#include "treectrl/TreeNavigation.h"
#include "treectrl/TreeScroll.h"

#include "platform/Cp1252Case.h"
#include "platform/Window.h"

#include <utility>
#include <vector>

namespace {

using Entry = TreeNode*;

int Compare(TreeCompareProc compare, const TreeNode* a, const TreeNode* b)
{
    return compare(static_cast<const TreeItemData*>(a), static_cast<const TreeItemData*>(b));
}

void QuickSort(std::vector<Entry>& a, int lo, int hi, TreeCompareProc compare)
{
    while (lo < hi) {
        const TreeNode* pivot = a[static_cast<std::size_t>(lo + (hi - lo + 1) / 2)];
        int i = lo;
        int j = hi;
        do {
            while (Compare(compare, a[static_cast<std::size_t>(i)], pivot) < 0)
                ++i;
            while (Compare(compare, pivot, a[static_cast<std::size_t>(j)]) < 0)
                --j;
            if (i <= j) {
                std::swap(a[static_cast<std::size_t>(i)], a[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        } while (i < j);
        QuickSort(a, lo, j, compare);
        lo = i;
    }
}

} // namespace

int CompareItemText(const TreeItemData* a, const TreeItemData* b)
{
    // The small letters of Windows-1252 give the platform's case-insensitive
    // order. Labels compare as strings: each ends at its length or at a zero
    // byte before it; items without a label compare as empty labels.
    const auto* x = reinterpret_cast<const unsigned char*>(static_cast<const char*>(a->pszText));
    const auto* y = reinterpret_cast<const unsigned char*>(static_cast<const char*>(b->pszText));
    const auto nx = static_cast<std::size_t>(x ? a->cchText : 0);
    const auto ny = static_cast<std::size_t>(y ? b->cchText : 0);
    for (std::size_t i = 0;; ++i) {
        const int cx = i < nx ? LowerCase1252(x[i]) : 0;
        const int cy = i < ny ? LowerCase1252(y[i]) : 0;
        if (cx != cy || !cx)
            return cx - cy;
    }
}

void SortChildren(TreeData* td, TreeNode* parent)
{
    TreeNode* p = parent ? parent : &td->m_root;
    if (td->m_pfnCompare && p->nChildren > 0) {
        std::vector<Entry> entries;
        entries.reserve(static_cast<std::size_t>(p->nChildren));
        for (TreeNode* c = p->pFirstChild; c; c = c->pNext)
            entries.push_back(c);
        QuickSort(entries, 0, static_cast<int>(entries.size()) - 1, td->m_pfnCompare);
        TreeNode* prev = nullptr;
        for (TreeNode* c : entries) {
            c->pPrev = prev;
            if (prev)
                prev->pNext = c;
            else
                p->pFirstChild = c;
            prev = c;
        }
        prev->pNext = nullptr;
        p->pLastChild = prev;
    }

    if (p == &td->m_root) {
        td->m_pFirstVisible = td->m_root.pFirstChild;
        td->m_nTopIndex = 0;
        if (UpdateScrollBars(td))
            return;
    } else if (TreeNode* top = td->m_pFirstVisible; top && top != p && InSubtree(top, p)) {
        // The top row moved with the rows it belongs to; its index, and the
        // scroll bar, follow.
        td->m_pFirstVisible = nullptr;
        SetFirstVisible(td, top);
        if (td->m_bRedraw && UpdateScrollBars(td))
            return;
    }
    InvalidateRect(td->m_hWnd, nullptr, TRUE);
}
