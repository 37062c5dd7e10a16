// Sorting one child list (TVM_SORTCHILDREN) and the label comparison.
#include "treectrl/TreeSort.h"

#include "treectrl/TreeNavigation.h"
#include "treectrl/TreeScroll.h"

#include "platform/Window.h"

#include <array>
#include <utility>
#include <vector>

namespace {

// Lower case of each byte read as Windows-1252; comparing folded bytes is
// the platform's case-insensitive order.
constexpr std::array<unsigned char, 256> MakeFoldTable()
{
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7)
            t[c] = static_cast<unsigned char>(c + 32);
    }
    t[0x8A] = 0x9A; // S caron
    t[0x8C] = 0x9C; // OE
    t[0x8E] = 0x9E; // Z caron
    t[0x9F] = 0xFF; // Y diaeresis
    return t;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

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
    // Items without a label compare as empty labels.
    const auto* x = reinterpret_cast<const unsigned char*>(a->pszText ? a->pszText : "");
    const auto* y = reinterpret_cast<const unsigned char*>(b->pszText ? b->pszText : "");
    for (;; ++x, ++y) {
        const int cx = kFold[*x];
        const int cy = kFold[*y];
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
        // The top row moved with the rows it belongs to; its index follows.
        td->m_pFirstVisible = nullptr;
        SetFirstVisible(td, top);
    }
    InvalidateRect(td->m_hWnd, nullptr, TRUE);
}
