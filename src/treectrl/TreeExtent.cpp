// The horizontal extent: the largest right edge, in content coordinates, of
// the text rectangles of all displayed items.
//
// A full scan walks every displayed item; with millions of rows that is too
// slow for every scroll-bar update (the views update the hover mark on each
// mouse move). So the extent is kept in an index: each displayed item is
// either counted with its right edge or uncounted. An uncounted item is
// pending (it has joined the display sequence or changed its label and is
// measured and counted at the next update, when the scan would have
// measured it), or bounded: its label is short enough that even in the
// font's widest character its right edge would not pass the widest edge
// counted, so it is not measured at all (most labels, once a long one is
// counted: measuring every byte of millions of labels was the bulk of a
// large tree's first update). Should the widest counted edge drop below
// the bound, the index is rebuilt. Operations that add or remove rows tell
// the index; a change of indent, style, image list or font rebuilds it by a
// full scan. The result is always the scan's.
#include "treectrl/TreeExtent.h"

#include "treectrl/TreeMeasure.h"
#include "treectrl/TreeNavigation.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace {

constexpr std::size_t kPendingLimit = 1 << 16;

ExtentParams ReadParams(TreeData* td, MeasureContext& mc)
{
    ExtentParams p;
    p.indent = td->m_nIndent;
    p.linesAtRoot = mc.LinesAtRoot();
    TreeNode probe;
    probe.state = 1u << 12;
    p.stateIconWidth = mc.StateImageWidth(&probe);
    p.normalImageWidth = mc.NormalImageWidth();
    return p;
}

// Right edge of q's text rectangle + m_nHorzPos with a label textWidth
// wide, from the values the index was built with.
int RightEdgeWith(const ExtentParams& p, const TreeNode* q, int depth, int textWidth)
{
    const int indent = static_cast<int>(p.indent);
    const int stateWidth = (q->state & TVIS_STATEIMAGEMASK) ? p.stateIconWidth : 0;
    return depth * indent + (p.linesAtRoot ? indent : 0) + stateWidth + p.normalImageWidth + textWidth + 4;
}

int RightEdge(const ExtentParams& p, const TreeNode* q, int depth)
{
    return RightEdgeWith(p, q, depth, q->cxText);
}

// Counts the uncounted displayed item q, unless it is bounded: then it stays
// uncounted without being measured. Bold labels are always measured.
void Count(ExtentIndex& x, MeasureContext& mc, TreeNode* q, int depth)
{
    if (!q->cxText && !(q->state & TVIS_BOLD)) {
        if (const int maxChar = mc.MaxCharWidth()) {
            const int widest = static_cast<int>(
                std::min<std::int64_t>(std::int64_t{q->cchText} * maxChar, MaxLabelWidth()));
            const int edge = RightEdgeWith(x.params, q, depth, widest);
            if (edge <= x.widths.Max()) {
                q->bExtentUncounted = 1;
                x.bound = std::max(x.bound, edge);
                return;
            }
        }
    }
    mc.LabelWidth(q);
    q->bExtentUncounted = 0;
    x.widths.Add(RightEdge(x.params, q, depth));
}

// Takes an edge out of the count; the index is rebuilt if the bounded items
// could now be the widest.
void Uncount(TreeData* td, int edge)
{
    ExtentIndex& x = td->m_extent;
    x.widths.Remove(edge);
    if (x.widths.Max() < x.bound)
        ExtentInvalidate(td);
}

void Rebuild(TreeData* td, MeasureContext& mc, const ExtentParams& params)
{
    ExtentIndex& x = td->m_extent;
    x.valid = false;
    x.params = params;
    x.widths.Clear();
    x.bound = 0;
    std::vector<TreeNode*>().swap(x.pending);
    int depth = 0;
    for (TreeNode* q = td->m_root.pFirstChild; q;) {
        Count(x, mc, q, depth);
        // Next in the display sequence, following the depth along.
        if (IsExpanded(q) && q->pFirstChild) {
            q = q->pFirstChild;
            ++depth;
            continue;
        }
        while (q && !q->pNext) {
            q = q->pParent;
            --depth;
        }
        q = q ? static_cast<TreeNode*>(q->pNext) : nullptr;
    }
    x.valid = true;
}

} // namespace

void ExtentItemShown(TreeData* td, TreeNode* q, int depth)
{
    ExtentIndex& x = td->m_extent;
    if (!x.valid)
        return;
    if (q->cxText) {
        x.widths.Add(RightEdge(x.params, q, depth));
    } else if (!q->bExtentUncounted) {
        // When most rows are new (filling a tree), a full scan costs no more
        // than the pending list and needs no memory for it.
        if (x.pending.size() >= kPendingLimit
            && x.pending.size() > static_cast<std::size_t>(td->m_nVisibleCount / 2)) {
            ExtentInvalidate(td);
            return;
        }
        try {
            x.pending.push_back(q);
        } catch (const std::bad_alloc&) {
            // The index is a cache: a full scan rebuilds it.
            ExtentInvalidate(td);
            return;
        }
        q->bExtentUncounted = 1;
    }
}

void ExtentItemHidden(TreeData* td, TreeNode* q, int depth)
{
    ExtentIndex& x = td->m_extent;
    if (q->bExtentUncounted) {
        q->bExtentUncounted = 0;
        return;
    }
    if (x.valid)
        Uncount(td, RightEdge(x.params, q, depth));
}

void ExtentLabelMeasured(TreeData* td, TreeNode* q, int oldWidth)
{
    ExtentIndex& x = td->m_extent;
    if (!x.valid || q->bExtentUncounted || !Displayed(q))
        return;
    const int depth = Depth(q);
    x.widths.Add(RightEdge(x.params, q, depth));
    Uncount(td, RightEdgeWith(x.params, q, depth, oldWidth));
}

void ExtentInvalidate(TreeData* td)
{
    td->m_extent.valid = false;
    std::vector<TreeNode*>().swap(td->m_extent.pending);
}

void RecalcHorzExtent(TreeData* td)
{
    MeasureContext mc(td);
    ExtentIndex& x = td->m_extent;
    const ExtentParams params = ReadParams(td, mc);
    if (!x.valid || !(params == x.params)) {
        Rebuild(td, mc, params);
    } else {
        for (TreeNode* q : x.pending) {
            if (q->bExtentUncounted)
                Count(x, mc, q, Depth(q));
        }
        if (x.pending.capacity() > kPendingLimit)
            std::vector<TreeNode*>().swap(x.pending);
        else
            x.pending.clear();
    }
    td->m_nHorzExtent = x.widths.Max();
    const int clientWidth = ClientRect(td).right;
    if (td->m_nHorzExtent > 0 && clientWidth + td->m_nHorzPos > td->m_nHorzExtent)
        td->m_nHorzPos = std::max(0, td->m_nHorzExtent - clientWidth);
}
