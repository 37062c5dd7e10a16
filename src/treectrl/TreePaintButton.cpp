// The expand/collapse button of an item with children: a box centred on the
// junction point and a plus or minus, drawn as strokes for small boxes and
// as a hollow outline for large ones.
#include "treectrl/TreeOps.h"
#include "treectrl/TreePainter.h"

void TreePainter::PaintButton(TreeNode* q, const RECT& row, const RECT& text)
{
    if (!(m_style & TVS_HASBUTTONS) || !HasConnector(q) || !q->pFirstChild)
        return;
    const int jx = JunctionX(q);
    const int jy = JunctionY(row.top);
    if (m_bFullRow) {
        // Keep the highlight of a full row off the button.
        const RECT area{2 * jx - text.left, row.top, text.left, row.bottom};
        ExtTextOutA(m_hdc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    }

    const int size = static_cast<int>(m_td->m_nButtonSize);
    const int left = jx - size / 2;
    const int top = jy - size / 2;
    HPEN outline = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT));
    HBRUSH fill = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    HGDIOBJ oldPen = SelectObject(m_hdc, outline);
    HGDIOBJ oldBrush = SelectObject(m_hdc, fill);
    Rectangle(m_hdc, left, top, left + size, top + size);
    SelectObject(m_hdc, oldBrush);
    SelectObject(m_hdc, oldPen);
    DeleteObject(fill);
    DeleteObject(outline);

    const int a = static_cast<int>(m_td->m_nSignArm);
    if (a >= 1) {
        HPEN sign = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT));
        oldPen = SelectObject(m_hdc, sign);
        const bool expanded = (q->state & TVIS_EXPANDED) != 0;
        if (a <= 4) {
            // LineTo leaves the end point out, so each stroke ends one further.
            MoveToEx(m_hdc, jx - a, jy, nullptr);
            LineTo(m_hdc, jx + a + 1, jy);
            if (!expanded) {
                MoveToEx(m_hdc, jx, jy - a, nullptr);
                LineTo(m_hdc, jx, jy + a + 1);
            }
        } else if (expanded) {
            const POINT minus[] = {
                {jx + a, jy + 1}, {jx + a, jy - 1}, {jx - a, jy - 1}, {jx - a, jy + 1}, {jx + a, jy + 1}};
            Polyline(m_hdc, minus, 5);
        } else {
            const POINT plus[] = {{jx + a, jy + 1}, {jx + a, jy - 1}, {jx + 1, jy - 1}, {jx + 1, jy - a},
                                  {jx - 1, jy - a}, {jx - 1, jy - 1}, {jx - a, jy - 1}, {jx - a, jy + 1},
                                  {jx - 1, jy + 1}, {jx - 1, jy + a}, {jx + 1, jy + a}, {jx + 1, jy + 1},
                                  {jx + a, jy + 1}};
            Polyline(m_hdc, plus, 13);
        }
        SelectObject(m_hdc, oldPen);
        DeleteObject(sign);
    }
}
