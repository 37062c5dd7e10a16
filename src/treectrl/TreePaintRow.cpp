// The highlight, focus rectangle and label of one row.
#include "treectrl/TreePainter.h"

namespace {

constexpr UINT kLabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;

} // namespace

bool TreePainter::PaintHighlight(TreeNode* q, const RECT& row, const RECT& text)
{
    if (m_bDisabled) {
        SetTextColor(m_hdc, GetSysColor(COLOR_GRAYTEXT));
        return true;
    }
    TreeData* td = m_td;
    const bool selected = (q->state & TVIS_SELECTED) != 0;
    const bool pressed = q == td->m_pPressed;
    const bool dropped = q == td->m_pDropHilite;
    const bool showAlways = (m_style & TVS_SHOWSELALWAYS) != 0;
    if (!(selected || pressed || (dropped && !td->m_pPressed))
        || !(m_bFocus || showAlways || pressed || dropped))
        return false;

    const COLORREF oldBk = GetBkColor(m_hdc);
    bool colourChanged = false;
    // While an item is pressed or drop-highlighted, that item takes the fill
    // from the selected one.
    if (pressed || dropped || (selected && !td->m_pDropHilite && !td->m_pPressed)) {
        const COLORREF window = GetSysColor(COLOR_WINDOW);
        const bool strong = m_bFocus || pressed || dropped;
        const bool fillHighlight = strong || GetSysColor(COLOR_BTNFACE) == window;
        SetBkColor(m_hdc, GetSysColor(fillHighlight ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        ExtTextOutA(m_hdc, 0, 0, ETO_OPAQUE, m_bFullRow ? &row : &text, nullptr, 0, nullptr);
        // Without focus the label keeps its colour on a light fill, unless
        // the light colour is the window colour itself.
        if (strong || GetSysColor(COLOR_3DLIGHT) == window) {
            SetTextColor(m_hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            colourChanged = true;
        }
    }
    if (q == td->m_pCaret && m_bFocus && !m_bFullRow)
        DrawFocusRect(m_hdc, &text);
    SetBkColor(m_hdc, oldBk);
    return colourChanged;
}

void TreePainter::PaintLabel(TreeNode* q, const RECT& text, bool colourChanged)
{
    HGDIOBJ previous = nullptr;
    HFONT underlined = (q->state & TVIS_BOLD) ? UnderlinedFont() : nullptr;
    if (underlined)
        previous = SelectObject(m_hdc, underlined);
    RECT rect = text;
    DrawTextA(m_hdc, q->pszText ? q->pszText : "", q->cchText, &rect, kLabelFormat);
    if (underlined)
        SelectObject(m_hdc, previous);
    if (colourChanged)
        SetTextColor(m_hdc, GetSysColor(COLOR_WINDOWTEXT));
}
