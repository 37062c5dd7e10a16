// The parts of one row: the expand button of an item with children (a box
// centred on the junction point and a plus or minus, drawn as strokes for
// small boxes and as a hollow outline for large ones), the state and normal
// images (a normal image given as a callback is asked from the parent at
// every paint and never stored), the highlight with the focus rectangle,
// and the label.
#include "treectrl/TreeHandles.h"
#include "treectrl/TreePainter.h"

#include "platform/Window.h"

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
    UINT format = kLabelFormat;
    if (q->cxText >= MaxLabelWidth()) {
        // Wider than its rectangle: centred, its start would lie left of it.
        rect.left += 2;
        format &= ~DT_CENTER;
    }
    DrawTextA(m_hdc, q->pszText ? q->pszText : "", q->cchText, &rect, format);
    if (underlined)
        SelectObject(m_hdc, previous);
    if (colourChanged)
        SetTextColor(m_hdc, GetSysColor(COLOR_WINDOWTEXT));
}

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

void TreePainter::PaintImages(TreeNode* q, const RECT& row, const RECT& text)
{
    const int normalWidth = m_bNormalImages ? m_cxNormalIcon + 3 : 0;
    const UINT stateIndex = (q->state >> 12) & 15;
    if (stateIndex && m_bStateImages) {
        ImageList_Draw(m_td->m_himlState, static_cast<int>(stateIndex), m_hdc,
                       text.left - normalWidth - m_cxStateIcon, row.bottom - m_cyStateIcon, ILD_NORMAL);
    }
    if (!m_bNormalImages)
        return;
    const int index = NormalImageIndex(q);
    if (index != I_IMAGECALLBACK) {
        ImageList_Draw(m_td->m_himlNormal, index, m_hdc, text.left - normalWidth,
                       JunctionY(row.top) - m_cyNormalIcon / 2, ILD_NORMAL);
    }
}

int TreePainter::NormalImageIndex(TreeNode* q)
{
    const bool selected = (q->state & TVIS_SELECTED) != 0;
    int index = selected ? q->iSelectedImage : q->iImage;
    HWND parent = GetParent(m_td->m_hWnd);
    if (index != I_IMAGECALLBACK || !parent)
        return index;
    const int id = GetDlgCtrlID(m_td->m_hWnd);
    NMTVDISPINFO info{};
    info.hdr.hwndFrom = m_td->m_hWnd;
    info.hdr.idFrom = static_cast<UINT_PTR>(id);
    info.hdr.code = TVN_GETDISPINFO;
    info.item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | (selected ? TVIF_SELECTEDIMAGE : TVIF_IMAGE);
    info.item.hItem = ItemHandle(q);
    info.item.state = q->state;
    info.item.lParam = q->lParam;
    (selected ? info.item.iSelectedImage : info.item.iImage) = I_IMAGECALLBACK;
    if (!SendMessageA(parent, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info)))
        return I_IMAGECALLBACK;
    return selected ? info.item.iSelectedImage : info.item.iImage;
}
