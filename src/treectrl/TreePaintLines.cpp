// Dotted connector lines, pixel by pixel: from the item's level left to the
// junction, then up to the previous sibling or the parent; and the vertical
// lines of items below the painted rows that pass through them.
//
// The dots follow one phase per item: of the points visited from the start
// of the horizontal run on, the 2nd, 4th, 6th ... are painted. Points
// outside the painted rows are not visited; which of the others is painted
// follows from its distance to the start, so a clipped run keeps the phase.
#include "treectrl/TreeNavigation.h"
#include "treectrl/TreePainter.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

struct Dots {
    HDC hdc;
    COLORREF color;
    bool on; // the phase flag before the next point
};

void VisitDot(int x, int y, LPARAM data)
{
    auto* dots = reinterpret_cast<Dots*>(data);
    if (dots->on)
        SetPixelV(dots->hdc, x, y, dots->color);
    dots->on = !dots->on;
}

// Display rows from a to b (a before b).
int StepsBetween(TreeNode* a, const TreeNode* b)
{
    int steps = 0;
    for (TreeNode* p = a; p && p != b; p = NextVisible(p))
        ++steps;
    return steps;
}

} // namespace

void TreePainter::PaintConnector(TreeNode* q, int top, TreeNode* anchor, int anchorTop)
{
    if (!HasConnector(q))
        return;
    const int h = m_nItemHeight;
    const int jx = JunctionX(q);
    const int jy = JunctionY(top);
    Dots dots{m_hdc, GetSysColor(COLOR_GRAYTEXT), false};

    // Horizontal run: from just left of the item's level to the junction,
    // the junction itself excluded.
    const int startX = m_mc.DepthOffset(q) - m_td->m_nHorzPos - 1;
    const int horizontalPoints = std::abs(jx - startX);
    if (jy >= m_nSpanTop && jy < m_nSpanBottom)
        LineDDA(startX, jy, jx, jy, &VisitDot, reinterpret_cast<LPARAM>(&dots));

    // Vertical run: from the junction up to the item above it.
    TreeNode* target = q->pPrev ? static_cast<TreeNode*>(q->pPrev) : ParentItem(q);
    if (!target)
        return;
    // The line ends on the bottom border of a previous sibling's button box.
    const int boxHalf = target == q->pPrev && (m_style & TVS_HASBUTTONS) && target->pFirstChild
        ? static_cast<int>(m_td->m_nButtonSize / 2)
        : 0;
    // A line end lies at most this far below the top of its row; rows
    // further above the painted span cannot reach into it.
    const int reach = h + boxHalf;
    std::optional<int> targetTop;
    int stepTop = anchorTop;
    for (TreeNode* p = anchor;;) {
        p = PrevVisible(p);
        stepTop -= h;
        if (!p || stepTop + reach < m_nSpanTop)
            break;
        if (p == target) {
            targetTop = stepTop;
            break;
        }
    }
    int endY = m_nSpanTop;
    if (targetTop) {
        if (target == q->pPrev)
            endY = JunctionY(*targetTop) + boxHalf;
        else
            endY = *targetTop + h;
    }
    const int high = std::min(jy, m_nSpanBottom - 1);
    const int low = std::max(endY, m_nSpanTop);
    if (high < low)
        return;
    dots.on = ((horizontalPoints + jy - high) & 1) != 0;
    LineDDA(jx, high, jx, low - 1, &VisitDot, reinterpret_cast<LPARAM>(&dots));
}

void TreePainter::PaintLinesBelow(TreeNode* first, int top)
{
    // Below the painted rows only the dots' phase depends on where a row
    // is, and only when the row height is odd: count the rows only then.
    const bool oddHeight = (m_nItemHeight & 1) != 0;
    auto topOf = [&](TreeNode* n) { return top + m_nItemHeight * (oddHeight ? StepsBetween(first, n) : 1); };
    PaintConnector(first, top, first, top);
    for (TreeNode* s = ParentItem(first); s; s = ParentItem(s)) {
        if (TreeNode* n = s->pNext)
            PaintConnector(n, topOf(n), first, top);
    }
}
